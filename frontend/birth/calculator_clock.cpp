#include "frontend/birth/calculator_clock.h"

#include <algorithm>

#include "frontend/birth/birth_date_range.h"
#include "frontend/lunar_calendar/lunar_month.h"

namespace frontend {
namespace {

constexpr int32_t kFirstCalculatorZone = -12;  // whole hours
constexpr int32_t kLastCalculatorZone = 12;

}  // namespace

CalculatorClock CalculatorClockOf(const LocalMoment& local, int32_t zoneOffsetMinutes) {
  const int64_t entered = SecondsOf(local);
  const auto onZone = [&](int32_t hours) {
    hours = std::clamp(hours, kFirstCalculatorZone, kLastCalculatorZone);
    const int32_t moved = hours * 60 - zoneOffsetMinutes;
    return CalculatorClock{MomentOf(entered + int64_t{moved} * 60), hours, moved};
  };
  // Toward zero: +5:30 goes on +5 with the clock 30 minutes back.
  CalculatorClock clock = onZone(zoneOffsetMinutes / 60);
  // Early on the first date the calculator takes, a clock put back would leave
  // it; the next hour up puts it forward instead.
  const CivilDate first = FirstBirthDate();
  const LocalMoment firstMoment{first.year, first.month, first.day, 0};
  if (clock.moment < firstMoment) {
    clock = onZone(zoneOffsetMinutes / 60 + (zoneOffsetMinutes > 0 ? 1 : 0));
  }
  return clock;
}

LocalMoment LocalClockOf(const LocalMoment& tableMoment, const CalculatorClock& clock) {
  return MomentOf(SecondsOf(tableMoment) - int64_t{clock.movedMinutes} * 60);
}

}  // namespace frontend
