// The fixed table of unfavourable days by month, shown on the lunar page and
// marked on the lunar calendar.
#pragma once

#include <QList>
#include <QString>

namespace frontend {

// One month to a line: the month's name in the genitive, tabs, then its days
// joined by ", ".
QString UnfavourableDaysText();

// The unfavourable days of month 1..12, in the table's order; none for any
// other number.
QList<int> UnfavourableDays(int month);

}  // namespace frontend
