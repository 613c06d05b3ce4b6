// What a date of the lunar calendar says, line by line, as its cell in the
// grid shows it and as the command line's text prints it.
#pragma once

#include <QString>
#include <QStringList>
#include <functional>

#include "frontend/lunar_calendar/lunar_day_texts.h"
#include "frontend/lunar_calendar/zoned_month.h"

namespace frontend {

using DayKindOf = std::function<DayKind(int32_t lunarDay)>;

// "добр", "зол", or empty when the tables say neither.
QString KindWord(DayKind kind);
// "добрый", "злой", or empty.
QString KindAdjective(DayKind kind);

// "8:05", on the clock of the instant.
QString ClockText(const ZonedInstant& instant);

// The sign of the new moon before lunar day 1, and of the full moon.
inline const QString kNewMoonMark = QStringLiteral("●");
inline const QString kFullMoonMark = QStringLiteral("○");

// "●1 с 3:53" for a lunar day beginning on the date, "28" for one in force
// since an earlier date.
QString LunarDayLine(const CalendarDay& date, const LunarDaySpan& lunarDay);

// "летнее время: 3:00 → 4:00", "зимнее время: 4:00 → 3:00", or for any other
// change "часы переведены: 2:00 → 3:00".
QString ClockChangeText(const ClockChange& change);

// The same as short as a cell needs it: "летнее: 3:00→4:00", "зимнее: 4:00→3:00",
// "часы: 2:00→1:00".
QString ClockChangeShortText(const ClockChange& change);

// "○ полнолуние 14:32".
QString FullMoonText(const ZonedInstant& fullMoon);

// The cell's lines below the date: each lunar day with its word, then the
// full moon and the change of the clocks (short) when the date has them.
QStringList CellLinesOf(const CalendarDay& date, const DayKindOf& kindOf);

}  // namespace frontend
