#include "frontend/horoscope/windows1251.h"

#include <QStringDecoder>
#include <QStringList>

QString DecodeWindows1251(QByteArrayView bytes) {
  QStringDecoder decoder("Windows-1251");
  return decoder.decode(bytes);
}

std::string Utf8FromWindows1251(QByteArrayView bytes) {
  return DecodeWindows1251(bytes).toStdString();
}

QString JoinLines(const std::vector<std::string>& lines) {
  QStringList decoded;
  decoded.reserve(static_cast<qsizetype>(lines.size()));
  for (const std::string& line : lines) decoded.append(QString::fromStdString(line));
  return decoded.join(QLatin1Char('\n'));
}
