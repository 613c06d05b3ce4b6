#include "frontend/birth/birth_data.h"

#include <QStringList>

#include "frontend/birth/calculator_clock.h"

namespace frontend {
namespace {

LocalMoment EnteredMoment(const BirthData& birth) {
  return {birth.date.year, birth.date.month, birth.date.day,
          birth.time.msecsSinceStartOfDay() / 1000};
}

CalculatorClock ClockOf(const BirthData& birth) {
  return CalculatorClockOf(EnteredMoment(birth), ZoneOffsetMinutes(birth));
}

}  // namespace

int32_t ZoneOffsetMinutes(const BirthData& birth) {
  return birth.zoneHours * 60 + birth.zoneMinutes;
}

void SetZoneOffsetMinutes(BirthData& birth, int32_t minutes) {
  birth.zoneHours = minutes / 60;  // toward zero, so both parts share the sign
  birth.zoneMinutes = minutes % 60;
}

CalculatorInput CalculatorInputOf(const BirthData& birth) {
  return CalculatorInputAt(ClockOf(birth), birth.latitude, birth.longitude);
}

CalculatorInput CalculatorInputAt(const CalculatorClock& clock, const Coordinate& latitude,
                                  const Coordinate& longitude) {
  CalculatorInput input;
  input.day = clock.moment.day;
  input.month = clock.moment.month;
  input.year = clock.moment.year;
  input.hour = clock.moment.secondOfDay / 3600;
  input.minute = clock.moment.secondOfDay / 60 % 60;
  input.timeZone = clock.zoneHours;
  input.latitude = latitude;
  input.longitude = longitude;
  return input;
}

LocalMoment BirthMomentOf(const BirthData& birth) {
  return ClockOf(birth).moment;
}

content::BirthDate CompositionDateOf(const BirthData& birth) {
  return {birth.date.year, birth.date.month, birth.date.day};
}

QString FullName(const BirthData& birth) {
  QStringList parts;
  for (const QString& part : {birth.surname, birth.firstName, birth.patronymic}) {
    if (!part.trimmed().isEmpty()) parts.append(part.trimmed());
  }
  return parts.join(QLatin1Char(' '));
}

}  // namespace frontend
