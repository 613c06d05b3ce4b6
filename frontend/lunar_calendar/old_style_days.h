// The table of unfavourable days counts its dates in the old style (the Julian
// calendar), as the old collection it comes from did; the calendar marks them
// on the civil dates they fall on: 1 January old style is 14 January from 1900
// to 2099, 13 January in the 19th century, the same date before 1582.
#pragma once

#include <cstdint>

#include "frontend/birth/civil_calendar.h"

namespace frontend {

// The Julian-calendar date of the day numbered `dayNumber` (Julian day number).
CivilDate OldStyleDateOf(int64_t dayNumber);

// Whether the date numbered `dayNumber` is one of the table's days, counted
// in the old style.
bool IsUnfavourableDay(int64_t dayNumber);

}  // namespace frontend
