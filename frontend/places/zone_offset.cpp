#include "frontend/places/zone_offset.h"

#include <QRegularExpression>
#include <cmath>
#include <cstdlib>

namespace frontend {

QString ZoneOffsetText(int32_t minutes) {
  const QString sign = minutes < 0 ? QStringLiteral("-") : QString();
  const int32_t magnitude = std::abs(minutes);
  if (magnitude % 60 == 0) return sign + QString::number(magnitude / 60);
  return sign +
         QStringLiteral("%1:%2").arg(magnitude / 60).arg(magnitude % 60, 2, 10, QLatin1Char('0'));
}

std::optional<int32_t> ReadZoneOffset(const QString& text) {
  // Sign, hours, then either ":" and two-digit minutes or a decimal fraction.
  static const QRegularExpression pattern(
      QStringLiteral("^\\s*([+-]?)([0-9]{1,2})(?::([0-9]{1,2})|[.,]([0-9]{0,4}))?\\s*$"));
  const QRegularExpressionMatch match = pattern.match(text);
  if (!match.hasMatch()) return std::nullopt;
  const int32_t hours = match.captured(2).toInt();
  int32_t minutes = 0;
  if (match.hasCaptured(3)) {
    minutes = match.captured(3).toInt();
    if (minutes > 59) return std::nullopt;
  } else if (match.hasCaptured(4) && !match.captured(4).isEmpty()) {
    const double fraction = QStringLiteral("0.%1").arg(match.captured(4)).toDouble();
    minutes = static_cast<int32_t>(std::lround(fraction * 60));
  }
  const int32_t total = hours * 60 + minutes;
  return match.captured(1) == QStringLiteral("-") ? -total : total;
}

int32_t ZoneMinutesOf(int32_t offsetSeconds) {
  return static_cast<int32_t>(std::lround(offsetSeconds / 60.0));
}

QString UtcOffsetText(int32_t seconds) {
  const QChar sign = seconds < 0 ? u'-' : u'+';
  const int32_t magnitude = std::abs(seconds);
  QString text = QStringLiteral("UTC%1%2").arg(sign).arg(magnitude / 3600);
  if (magnitude % 3600 != 0)
    text += QStringLiteral(":%1").arg(magnitude / 60 % 60, 2, 10, QLatin1Char('0'));
  if (magnitude % 60 != 0)
    text += QStringLiteral(":%1").arg(magnitude % 60, 2, 10, QLatin1Char('0'));
  return text;
}

}  // namespace frontend
