// The birth dates the calculator can take from the front end, civil dates
// (Julian before 15 October 1582).
#pragma once

#include "frontend/birth/civil_calendar.h"

namespace frontend {

// The parameter file carries the year in plain digits, and the calculator
// reads a two-digit year as 19xx: the first year it gets right is 100.
inline CivilDate FirstBirthDate() {
  return {100, 1, 1};
}

// The calculator stops after 1 January 4000 (its day-number range). A run's
// table spans two lunations of up to 30 rows from the new moon before the
// birth; near the poles the rows come a month apart, so the table can reach
// 60 synodic months (1,772 days) past the birth. 1 January 4000 less that is
// 5 November 3995; a few days are kept in hand.
inline CivilDate LastBirthDate() {
  return {3995, 10, 31};
}

}  // namespace frontend
