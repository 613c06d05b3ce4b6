// The difference from Greenwich as the zone box shows and reads it: hours, or
// hours and minutes, east positive.
#pragma once

#include <QString>
#include <cstdint>
#include <optional>

namespace frontend {

// The range of offsets in civil use: Baker Island's -12:00 to Kiribati's +14:00.
constexpr int32_t kFirstZoneMinutes = -12 * 60;
constexpr int32_t kLastZoneMinutes = 14 * 60;

// "3", "-5" for whole hours, as the box always showed them; "5:30", "-3:30",
// "-0:37" otherwise.
QString ZoneOffsetText(int32_t minutes);

// Reads what the user typed: whole hours with an optional sign ("3", "+3",
// "-12"), hours and minutes ("5:30", "-3:30", minutes 0..59), or hours with a
// decimal fraction ("5,5", "5.75"), rounded to the minute. Nothing for any
// other text. The range is not checked here.
std::optional<int32_t> ReadZoneOffset(const QString& text);

// An offset in seconds to the nearest minute: local mean time such as
// Moscow's +2:30:17 goes into the zone box as +2:30.
int32_t ZoneMinutesOf(int32_t offsetSeconds);

// "UTC+4", "UTC+5:30", "UTC-3:30", "UTC+2:30:17" (seconds only when there are
// any), "UTC+0".
QString UtcOffsetText(int32_t seconds);

}  // namespace frontend
