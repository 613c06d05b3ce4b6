#include "frontend/lunar_calendar/old_style_days.h"

#include "frontend/lunar_calendar/unfavourable_days.h"

namespace frontend {

CivilDate OldStyleDateOf(int64_t dayNumber) {
  // The Julian calendar's inverse of the day number (the algorithm of
  // Richards, for day numbers from year -4712 on).
  const int64_t c = dayNumber + 32082;
  const int64_t d = (4 * c + 3) / 1461;
  const int64_t e = c - 1461 * d / 4;
  const int64_t m = (5 * e + 2) / 153;
  return {static_cast<int32_t>(d - 4800 + m / 10), static_cast<int32_t>(m + 3 - 12 * (m / 10)),
          static_cast<int32_t>(e - (153 * m + 2) / 5 + 1)};
}

bool IsUnfavourableDay(int64_t dayNumber) {
  const CivilDate oldStyle = OldStyleDateOf(dayNumber);
  return UnfavourableDays(oldStyle.month).contains(oldStyle.day);
}

}  // namespace frontend
