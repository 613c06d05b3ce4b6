// Picking the lunar day of birth from the calculator's lunar-day table.
#pragma once

#include <compare>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace frontend {

// A local calendar moment to the whole second, compared as written: the table
// and the birth entry share the same local time, so no zone is applied.
struct LocalMoment {
  int32_t year = 0;
  int32_t month = 0;        // 1..12
  int32_t day = 0;          // 1..31
  int32_t secondOfDay = 0;  // 0..86399

  auto operator<=>(const LocalMoment&) const = default;
};

// One lunar-day row of the table: when that lunar day starts and its number.
struct LunarDayStart {
  LocalMoment start;
  std::string lunarDay;  // "1".."30" as written in the row
};

// Reads a table row split at blanks: field 0 the date day.month.year, field 2
// the time h:mm:ss (seconds optional), field 3 the lunar-day number. Header
// lines and malformed rows give nothing. Independent of the user's locale.
std::optional<LunarDayStart> ReadLunarDayRow(std::string_view row);

// The lunar day in which `birth` falls: scanning pairs of consecutive rows from
// the end of the table, the first pair whose starts enclose the birth moment
// (both ends included) gives the earlier row's number. Rows that cannot be read
// are passed over. Empty when no pair encloses the birth or the table has fewer
// than two lines.
std::string LunarDayOfBirth(const std::vector<std::string>& table, const LocalMoment& birth);

}  // namespace frontend
