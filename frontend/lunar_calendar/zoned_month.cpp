#include "frontend/lunar_calendar/zoned_month.h"

#include <algorithm>

namespace frontend {
namespace {

constexpr int64_t kNoonSeconds = 12 * 3600;

bool Covers(const CalendarZone& zone, const std::vector<LunarDayInstant>& rows,
            const YearMonth& month) {
  if (rows.empty()) return false;
  const CivilDate first = CivilDateOf(FirstDayOf(month));
  const CivilDate after = CivilDateOf(FirstDayAfter(month));
  return rows.front().utc <= zone.FirstInstantOf(first) &&
         rows.back().utc >= zone.FirstInstantOf(after);
}

}  // namespace

ZonedInstant ZonedAt(const CalendarZone& zone, int64_t utc) {
  return {utc, zone.OffsetAt(utc)};
}

std::optional<LunarMonth> LunarMonthOn(const CalendarZone& zone,
                                       const std::vector<LunarDayInstant>& rows,
                                       const YearMonth& month) {
  if (!Covers(zone, rows, month)) return std::nullopt;
  LunarMonth result;
  result.month = month;
  int64_t dayStart = zone.FirstInstantOf(CivilDateOf(FirstDayOf(month)));
  MoonPhase startPhase = MoonPhaseAt(dayStart);
  // The row in force at the first instant: the last one starting at or before it.
  auto row =
      std::upper_bound(rows.begin(), rows.end(), dayStart,
                       [](int64_t utc, const LunarDayInstant& start) { return utc < start.utc; });
  --row;  // Covers() keeps it within the rows
  for (int64_t day = FirstDayOf(month); day < FirstDayAfter(month); ++day) {
    CalendarDay date;
    date.date = CivilDateOf(day);
    date.weekDay = WeekDayOf(day);
    const int64_t nextStart = zone.FirstInstantOf(CivilDateOf(day + 1));
    date.begins = ZonedAt(zone, dayStart);
    date.ends = ZonedAt(zone, nextStart);
    date.clockChange = zone.ChangeDuring(dayStart, nextStart);
    // Local noon, as the clock shows it; on a day the clocks change, twelve
    // hours after the first instant is close enough for a picture.
    const MoonPhase endPhase = MoonPhaseAt(nextStart);
    date.noonPhase =
        PhaseBetween(dayStart, startPhase, nextStart, endPhase, dayStart + kNoonSeconds);
    if (PrincipalPhaseBetween(startPhase, endPhase) == PrincipalPhase::kFullMoon) {
      date.fullMoon = ZonedAt(zone, FullMoonBetween(dayStart, startPhase, nextStart, endPhase));
    }
    // Every lunar day from the one in force at the first instant to the last
    // one beginning before the next date; the last row has no end and is
    // never taken, since it starts at or after the month's end.
    for (auto current = row; current + 1 != rows.end(); ++current) {
      if (current->utc >= nextStart) break;
      if ((current + 1)->utc <= dayStart) continue;
      date.lunarDays.push_back(
          {current->number, ZonedAt(zone, current->utc), ZonedAt(zone, (current + 1)->utc)});
    }
    while (row + 1 != rows.end() && (row + 1)->utc <= nextStart) ++row;
    result.days.push_back(std::move(date));
    dayStart = nextStart;
    startPhase = endPhase;
  }
  return result;
}

std::vector<YearMonth> MonthsCoveredOn(const CalendarZone& zone,
                                       const std::vector<LunarDayInstant>& rows) {
  std::vector<YearMonth> months;
  if (rows.empty()) return months;
  const LocalMoment firstLocal = zone.LocalAt(rows.front().utc);
  const LocalMoment lastLocal = zone.LocalAt(rows.back().utc);
  const YearMonth last{lastLocal.year, lastLocal.month};
  for (YearMonth month{firstLocal.year, firstLocal.month}; month <= last;
       month = AddMonths(month, 1)) {
    if (Covers(zone, rows, month)) months.push_back(month);
  }
  return months;
}

}  // namespace frontend
