#include "frontend/places/coordinate.h"

#include <QRegularExpression>
#include <cstdlib>

namespace frontend {

namespace {

constexpr int32_t kMinutesPerDegree = 60;

QString AxisName(CoordinateAxis axis) {
  return axis == CoordinateAxis::kLatitude ? QStringLiteral("Широта") : QStringLiteral("Долгота");
}

QString Side(bool negative, CoordinateAxis axis) {
  if (axis == CoordinateAxis::kLatitude) {
    return negative ? QStringLiteral("ю. ш.") : QStringLiteral("с. ш.");
  }
  return negative ? QStringLiteral("з. д.") : QStringLiteral("в. д.");
}

}  // namespace

int32_t LimitDegrees(CoordinateAxis axis) {
  return axis == CoordinateAxis::kLatitude ? 90 : 180;
}

Coordinate CarriedMinutes(Coordinate value) {
  value.degrees += value.minutes / kMinutesPerDegree;
  value.minutes %= kMinutesPerDegree;
  return value;
}

bool WithinRange(const Coordinate& value, CoordinateAxis axis) {
  const int32_t limit = LimitDegrees(axis);
  return value.degrees >= 0 && value.minutes >= 0 && value.minutes < kMinutesPerDegree &&
         (value.degrees < limit || (value.degrees == limit && value.minutes == 0));
}

int32_t SignedArcMinutes(const Coordinate& value) {
  const int32_t magnitude = value.degrees * kMinutesPerDegree + value.minutes;
  return value.negative ? -magnitude : magnitude;
}

Coordinate CoordinateFromArcMinutes(int32_t signedMinutes) {
  const int32_t magnitude = std::abs(signedMinutes);
  return {signedMinutes < 0, magnitude / kMinutesPerDegree, magnitude % kMinutesPerDegree};
}

QString SignedDegreesText(const Coordinate& value) {
  return (value.negative ? QStringLiteral("-") : QString()) + QString::number(value.degrees);
}

std::string CalculatorCoordinateText(const Coordinate& value) {
  return (value.negative ? "-" : "") + std::to_string(value.degrees) + '.' +
         std::to_string(value.minutes);
}

QString CoordinateText(const Coordinate& value, CoordinateAxis axis) {
  return QStringLiteral("%1° %2′ %3")
      .arg(value.degrees)
      .arg(value.minutes)
      .arg(Side(value.negative, axis));
}

QString HandTypedPlaceText() {
  return QStringLiteral("координаты введены вручную");
}

QString OutOfRangeText(const Coordinate& value, CoordinateAxis axis) {
  return QStringLiteral("%1 %2° %3′ невозможна: предел — %4°.")
      .arg(AxisName(axis))
      .arg(value.degrees)
      .arg(value.minutes, 2, 10, QLatin1Char('0'))
      .arg(LimitDegrees(axis));
}

std::optional<Coordinate> ReadCoordinateText(const QString& text) {
  static const QRegularExpression pattern(QStringLiteral("^([+-]?)(\\d{1,3})(?::(\\d{1,2}))?$"));
  const QRegularExpressionMatch match = pattern.match(text.trimmed());
  if (!match.hasMatch()) return std::nullopt;
  const int32_t minutes = match.captured(3).isEmpty() ? 0 : match.captured(3).toInt();
  if (minutes > kMinutesPerDegree) return std::nullopt;
  return CarriedMinutes(
      {match.captured(1) == QLatin1String("-"), match.captured(2).toInt(), minutes});
}

}  // namespace frontend
