// The calculator's parameter file takes whole-hour zones from -12 to +12. A
// zone with minutes (+5:30, -3:30, local mean time) or beyond twelve hours
// (+13, +14) goes to it as the same instant on a whole-hour zone, with the
// local clock moved by the difference; the calculator's table then comes back
// on that whole-hour clock. The birth calculation and the lunar calendar both
// go through here, so that they move the clock alike.
#pragma once

#include <cstdint>

#include "frontend/calculator_run/lunar_day_of_birth.h"

namespace frontend {

struct CalculatorClock {
  LocalMoment moment;     // the clock reading handed to the calculator
  int32_t zoneHours = 0;  // the whole-hour zone handed with it, -12..12
  // Calculator's clock minus local clock, in minutes: -30 for +5:30 on +5.
  int32_t movedMinutes = 0;
};

// `local` on the zone `zoneOffsetMinutes` east of Greenwich, as the calculator
// takes it. Dates are counted in the calculator's calendar (Julian before
// 15 October 1582), so that a clock moved over midnight lands on the date the
// calculator reads.
CalculatorClock CalculatorClockOf(const LocalMoment& local, int32_t zoneOffsetMinutes);

// A moment of the calculator's table, written on `clock`'s whole-hour zone,
// on the local clock of the entered zone.
LocalMoment LocalClockOf(const LocalMoment& tableMoment, const CalculatorClock& clock);

}  // namespace frontend
