#include "frontend/core/birth_data.h"

#include <QDateTime>
#include <algorithm>

#include "frontend/core/birth_date_range.h"

namespace frontend {
namespace {

constexpr int32_t kFirstCalculatorZone = -12;  // whole hours
constexpr int32_t kLastCalculatorZone = 12;

// The birth on a whole-hour zone the calculator takes: the same instant, the
// local clock moved by the minutes the entered zone has beyond that zone.
struct CalculatorClock {
  QDateTime local;  // the clock reading; Qt::UTC only so that no zone rules apply
  int32_t zoneHours = 0;
};

CalculatorClock CalculatorClockOf(const BirthData& birth) {
  const int32_t offset = ZoneOffsetMinutes(birth);
  const QDateTime entered(birth.date, birth.time, Qt::UTC);
  const auto onZone = [&](int32_t hours) {
    hours = std::clamp(hours, kFirstCalculatorZone, kLastCalculatorZone);
    return CalculatorClock{entered.addSecs(int64_t{hours * 60 - offset} * 60), hours};
  };
  // Toward zero: +5:30 goes on +5 with the clock 30 minutes back.
  CalculatorClock clock = onZone(offset / 60);
  // Early on the first date the calculator takes, a clock put back would leave
  // it; the next hour up puts it forward instead.
  if (clock.local.date() < FirstBirthDate()) clock = onZone(offset / 60 + (offset > 0 ? 1 : 0));
  return clock;
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
  const CalculatorClock clock = CalculatorClockOf(birth);
  CalculatorInput input;
  input.day = clock.local.date().day();
  input.month = clock.local.date().month();
  input.year = clock.local.date().year();
  input.hour = clock.local.time().hour();
  input.minute = clock.local.time().minute();
  input.timeZone = clock.zoneHours;
  input.latitudeDegrees = birth.latitude.degrees;
  input.latitudeMinutes = birth.latitude.minutes;
  input.longitudeDegrees = birth.longitude.degrees;
  input.longitudeMinutes = birth.longitude.minutes;
  return input;
}

LocalMoment BirthMomentOf(const BirthData& birth) {
  const QDateTime local = CalculatorClockOf(birth).local;
  return {local.date().year(), local.date().month(), local.date().day(),
          local.time().msecsSinceStartOfDay() / 1000};
}

content::BirthDate CompositionDateOf(const BirthData& birth) {
  return {birth.date.year(), birth.date.month(), birth.date.day()};
}

}  // namespace frontend
