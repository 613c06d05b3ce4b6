// Text forms of the lunar-day table: header lines, rows, dates, times and the
// Moon's zodiac position. Bytes are ASCII except the degree sign 0xF8.
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <string_view>

#include "calculator/calendar.h"
#include "calculator/params.h"

namespace moon {

// " 7.03.1985 Th" (13 characters for years 0..9999); empty without a date.
std::string DateText(const DateTimeRecord& record);
// " 5:07:09" with a full time of day, " 5:07" with a partial one, empty without.
std::string TimeText(const DateTimeRecord& record);
// "15Ar07" from an ecliptic longitude in arc-seconds; six blanks when the
// longitude is not valid.
std::string MoonText(bool longitudeValid, int32_t longitude);
// "  55\xF845'" (and 2-digit seconds plus '"' when full); empty when not given.
std::string CoordinateText(CoordinateKind kind, int32_t arcseconds);
// The three header lines (without line ends).
std::array<std::string, 3> HeaderLines(const RunParameters& parameters);
// One row without its line end. progressedDateText is used only in
// progressed mode (pass nullptr in normal mode).
std::string RowText(const DateTimeRecord& start, uint16_t lunarDay, std::string_view moonText,
                    const std::string* progressedDateText);

}  // namespace moon
