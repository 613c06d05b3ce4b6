#include "frontend/lunar_calendar/lunar_month.h"

#include <algorithm>
#include <charconv>

namespace frontend {
namespace {

constexpr int64_t kSecondsPerDay = 86400;

int64_t FloorDiv(int64_t value, int64_t divisor) {
  return value >= 0 ? value / divisor : -((-value + divisor - 1) / divisor);
}

std::optional<int32_t> LunarDayNumber(const std::string& text) {
  int32_t number = 0;
  const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), number);
  if (error != std::errc() || end != text.data() + text.size()) return std::nullopt;
  if (number < 1 || number > 30) return std::nullopt;
  return number;
}

bool Covers(const std::vector<LunarDayStart>& rows, const YearMonth& month) {
  return !rows.empty() && SecondsOf(rows.front().start) <= FirstDayOf(month) * kSecondsPerDay &&
         SecondsOf(rows.back().start) >= FirstDayAfter(month) * kSecondsPerDay;
}

}  // namespace

int64_t SecondsOf(const LocalMoment& moment) {
  return DayNumberOf({moment.year, moment.month, moment.day}) * kSecondsPerDay + moment.secondOfDay;
}

LocalMoment MomentOf(int64_t seconds) {
  const int64_t day = FloorDiv(seconds, kSecondsPerDay);
  const CivilDate date = CivilDateOf(day);
  return {date.year, date.month, date.day, static_cast<int32_t>(seconds - day * kSecondsPerDay)};
}

bool CalendarDay::Begins(const LunarDaySpan& lunarDay) const {
  return lunarDay.start.year == date.year && lunarDay.start.month == date.month &&
         lunarDay.start.day == date.day;
}

std::optional<std::vector<LunarDayStart>> ReadLunarDayStarts(
    const std::vector<std::string>& table) {
  std::vector<LunarDayStart> rows;
  for (const std::string& line : table) {
    std::optional<LunarDayStart> row = ReadLunarDayRow(line);
    if (!row) continue;
    if (!LunarDayNumber(row->lunarDay)) return std::nullopt;
    if (!rows.empty() && SecondsOf(row->start) < SecondsOf(rows.back().start)) return std::nullopt;
    rows.push_back(std::move(*row));
  }
  return rows;
}

std::optional<LunarMonth> LunarMonthFrom(const std::vector<LunarDayStart>& rows,
                                         const YearMonth& month) {
  if (!Covers(rows, month)) return std::nullopt;
  LunarMonth result;
  result.month = month;
  // The row in force at the first midnight: the last one starting at or before it.
  const int64_t firstMidnight = FirstDayOf(month) * kSecondsPerDay;
  auto row = std::upper_bound(
      rows.begin(), rows.end(), firstMidnight,
      [](int64_t seconds, const LunarDayStart& start) { return seconds < SecondsOf(start.start); });
  --row;  // Covers() keeps it within the rows
  for (int64_t day = FirstDayOf(month); day < FirstDayAfter(month); ++day) {
    CalendarDay date;
    date.date = CivilDateOf(day);
    date.weekDay = WeekDayOf(day);
    const int64_t nextMidnight = (day + 1) * kSecondsPerDay;
    // Every lunar day from the one in force at midnight to the last one
    // beginning before the next midnight; the last row has no end and is
    // never taken, since it starts at or after the month's end.
    for (auto current = row; current + 1 != rows.end(); ++current) {
      if (SecondsOf(current->start) >= nextMidnight) break;
      if (SecondsOf((current + 1)->start) <= day * kSecondsPerDay) continue;
      date.lunarDays.push_back(
          {*LunarDayNumber(current->lunarDay), current->start, (current + 1)->start});
    }
    while (row + 1 != rows.end() && SecondsOf((row + 1)->start) <= nextMidnight) ++row;
    result.days.push_back(std::move(date));
  }
  return result;
}

std::vector<YearMonth> MonthsCoveredBy(const std::vector<LunarDayStart>& rows) {
  std::vector<YearMonth> months;
  if (rows.empty()) return months;
  const YearMonth last{rows.back().start.year, rows.back().start.month};
  for (YearMonth month{rows.front().start.year, rows.front().start.month}; month <= last;
       month = AddMonths(month, 1)) {
    if (Covers(rows, month)) months.push_back(month);
  }
  return months;
}

QString ClockText(int32_t secondOfDay) {
  return QStringLiteral("%1:%2")
      .arg(secondOfDay / 3600)
      .arg(secondOfDay / 60 % 60, 2, 10, QLatin1Char('0'));
}

}  // namespace frontend
