// The calculator's lunar-day table as lunar-day starts, for the lunar
// calendar (zoned_month.h places them on the dates of a month).
#pragma once

#include <QString>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "frontend/birth/civil_calendar.h"
#include "frontend/calculator_run/lunar_day_of_birth.h"

namespace frontend {

// The rows of a table that read as lunar-day starts (header lines are passed
// over). Nothing when the rows are not in time order or a number lies
// outside 1..30: such a table is not the calculator's.
std::optional<std::vector<LunarDayStart>> ReadLunarDayStarts(const std::vector<std::string>& table);

// Seconds since the start of the day numbering, for comparing and measuring.
int64_t SecondsOf(const LocalMoment& moment);
LocalMoment MomentOf(int64_t seconds);

// "8:34": hours and minutes of a second of the day (0..86399), as the calendar
// writes the start of a lunar day.
QString ClockText(int32_t secondOfDay);

}  // namespace frontend
