#include "frontend/calculator_run/system_error_text.h"

#include <cerrno>

namespace frontend {

QString SystemErrorText(int error) {
  switch (error) {
    case ENOSPC:
      return QStringLiteral("на диске нет места");
    case EDQUOT:
      return QStringLiteral("исчерпана дисковая квота");
    case EFBIG:
      return QStringLiteral("файл больше допустимого размера");
    case EACCES:
    case EPERM:
      return QStringLiteral("нет прав доступа");
    case EROFS:
      return QStringLiteral("файловая система только для чтения");
    case ENOENT:
      return QStringLiteral("каталог не существует");
    case ENOTDIR:
      return QStringLiteral("на месте каталога находится не каталог");
    case ELOOP:
      return QStringLiteral("на месте файла находится символическая ссылка");
    case ENAMETOOLONG:
      return QStringLiteral("слишком длинный путь");
    case EIO:
      return QStringLiteral("ошибка ввода-вывода");
    default:
      return QStringLiteral("системная ошибка %1").arg(error);
  }
}

}  // namespace frontend
