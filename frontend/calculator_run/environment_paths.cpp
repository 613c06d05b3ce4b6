#include "frontend/calculator_run/environment_paths.h"

#include <QByteArray>
#include <QFile>

namespace frontend {

QString UndecodableVariableProblem(std::initializer_list<const char*> names) {
  for (const char* name : names) {
    const QByteArray bytes = qgetenv(name);
    if (bytes.isEmpty() || QFile::encodeName(QFile::decodeName(bytes)) == bytes) continue;
    // Shown with the odd bytes as %XX, since they have no letters.
    return QStringLiteral(
               "в переменной окружения %1 путь «%2» содержит байты, которые не читаются как "
               "UTF-8; каталог по такому пути не используется, чтобы не создать рядом другой")
        .arg(QString::fromLatin1(name), QString::fromLatin1(bytes.toPercentEncoding("/")));
  }
  return {};
}

}  // namespace frontend
