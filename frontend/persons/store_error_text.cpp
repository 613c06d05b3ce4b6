#include "frontend/persons/store_error_text.h"

namespace frontend {

QString RussianReasonOf(const QSqlError& error) {
  // SQLite's primary result codes, which the Qt driver reports as the native
  // code; an extended code carries the primary one in its low byte.
  bool number = false;
  const int code = error.nativeErrorCode().toInt(&number) & 0xff;
  if (number) {
    switch (code) {
      case 5:  // SQLITE_BUSY
      case 6:  // SQLITE_LOCKED
        return QStringLiteral("файл занят другой программой или другой копией Велунора");
      case 8:   // SQLITE_READONLY
      case 23:  // SQLITE_AUTH
        return QStringLiteral("нет права записи в файл");
      case 10:  // SQLITE_IOERR
        return QStringLiteral("ошибка чтения или записи на диске");
      case 11:  // SQLITE_CORRUPT
      case 26:  // SQLITE_NOTADB
        return QStringLiteral("файл поврежден или это не файл сохраненных людей");
      case 13:  // SQLITE_FULL
        return QStringLiteral("на диске нет места");
      case 14:  // SQLITE_CANTOPEN
        return QStringLiteral("файл не удается открыть");
      default:
        break;
    }
  }
  return QStringLiteral("ошибка базы данных");
}

}  // namespace frontend
