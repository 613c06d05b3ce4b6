// The birth dates the calculator can take from the front end.
#pragma once

#include <QDate>

namespace frontend {

// The parameter file carries the year in plain digits, and the calculator
// reads a two-digit year as 19xx: the first year it gets right is 100.
inline QDate FirstBirthDate() {
  return QDate(100, 1, 1);
}

// The calculator stops after 1 January 4000 (its day-number range). A run's
// table spans two lunations of up to 30 rows from the new moon before the
// birth; near the poles the rows come a month apart, so the table can reach
// 60 synodic months (1,772 days) past the birth. 1 January 4000 less that is
// 5 November 3995; a few days are kept in hand.
inline QDate LastBirthDate() {
  return QDate(3995, 10, 31);
}

}  // namespace frontend
