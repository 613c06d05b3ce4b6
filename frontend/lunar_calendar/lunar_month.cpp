#include "frontend/lunar_calendar/lunar_month.h"

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

}  // namespace

int64_t SecondsOf(const LocalMoment& moment) {
  return DayNumberOf({moment.year, moment.month, moment.day}) * kSecondsPerDay + moment.secondOfDay;
}

LocalMoment MomentOf(int64_t seconds) {
  const int64_t day = FloorDiv(seconds, kSecondsPerDay);
  const CivilDate date = CivilDateOf(day);
  return {date.year, date.month, date.day, static_cast<int32_t>(seconds - day * kSecondsPerDay)};
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

QString ClockText(int32_t secondOfDay) {
  return QStringLiteral("%1:%2")
      .arg(secondOfDay / 3600)
      .arg(secondOfDay / 60 % 60, 2, 10, QLatin1Char('0'));
}

}  // namespace frontend
