#include "frontend/calculator_run/lunar_day_of_birth.h"

#include <charconv>

namespace frontend {
namespace {

bool IsBlank(char c) {
  return c == ' ' || c == '\t' || c == '\r' || c == '\n';
}

// Fields separated by runs of blanks; leading blanks are skipped.
std::vector<std::string_view> SplitAtBlanks(std::string_view row) {
  std::vector<std::string_view> fields;
  std::size_t position = 0;
  while (position < row.size()) {
    while (position < row.size() && IsBlank(row[position])) ++position;
    const std::size_t begin = position;
    while (position < row.size() && !IsBlank(row[position])) ++position;
    if (position > begin) fields.push_back(row.substr(begin, position - begin));
  }
  return fields;
}

// Unsigned decimal of 1..maxDigits digits, nothing else.
std::optional<int32_t> ReadDigits(std::string_view text, std::size_t maxDigits) {
  if (text.empty() || text.size() > maxDigits) return std::nullopt;
  int32_t value = 0;
  const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
  if (error != std::errc() || end != text.data() + text.size()) return std::nullopt;
  return value;
}

// Splits at every separator; nothing unless the part count is within the bounds.
std::optional<std::vector<std::string_view>> SplitExactly(std::string_view text, char separator,
                                                          std::size_t minCount,
                                                          std::size_t maxCount) {
  std::vector<std::string_view> parts;
  std::size_t begin = 0;
  for (;;) {
    const std::size_t end = text.find(separator, begin);
    parts.push_back(text.substr(begin, end == std::string_view::npos ? end : end - begin));
    if (end == std::string_view::npos) break;
    begin = end + 1;
  }
  if (parts.size() < minCount || parts.size() > maxCount) return std::nullopt;
  return parts;
}

// day.month.year; a negative year carries a leading "-".
bool ReadDate(std::string_view text, LocalMoment& moment) {
  const auto parts = SplitExactly(text, '.', 3, 3);
  if (!parts) return false;
  const auto day = ReadDigits((*parts)[0], 2);
  const auto month = ReadDigits((*parts)[1], 2);
  std::string_view yearText = (*parts)[2];
  const bool negative = !yearText.empty() && yearText.front() == '-';
  if (negative) yearText.remove_prefix(1);
  const auto year = ReadDigits(yearText, 6);
  if (!day || !month || !year) return false;
  if (*month < 1 || *month > 12 || *day < 1 || *day > 31) return false;
  moment.year = negative ? -*year : *year;
  moment.month = *month;
  moment.day = *day;
  return true;
}

// h:mm or h:mm:ss on a 24-hour clock.
bool ReadTime(std::string_view text, LocalMoment& moment) {
  const auto parts = SplitExactly(text, ':', 2, 3);
  if (!parts) return false;
  const auto hour = ReadDigits((*parts)[0], 2);
  const auto minute = ReadDigits((*parts)[1], 2);
  const auto second = parts->size() == 3 ? ReadDigits((*parts)[2], 2) : std::optional<int32_t>(0);
  if (!hour || !minute || !second) return false;
  if (*hour > 23 || *minute > 59 || *second > 59) return false;
  moment.secondOfDay = (*hour * 60 + *minute) * 60 + *second;
  return true;
}

}  // namespace

std::optional<LunarDayStart> ReadLunarDayRow(std::string_view row) {
  const std::vector<std::string_view> fields = SplitAtBlanks(row);
  if (fields.size() < 4) return std::nullopt;
  LunarDayStart result;
  if (!ReadDate(fields[0], result.start) || !ReadTime(fields[2], result.start)) {
    return std::nullopt;
  }
  if (!ReadDigits(fields[3], 2)) return std::nullopt;
  result.lunarDay = std::string(fields[3]);
  return result;
}

std::string LunarDayOfBirth(const std::vector<std::string>& table, const LocalMoment& birth) {
  if (table.size() < 2) return {};
  for (std::size_t later = table.size() - 1; later >= 1; --later) {
    const auto earlierRow = ReadLunarDayRow(table[later - 1]);
    if (!earlierRow || earlierRow->start > birth) continue;
    const auto laterRow = ReadLunarDayRow(table[later]);
    if (!laterRow || laterRow->start < birth) continue;
    return earlierRow->lunarDay;
  }
  return {};
}

}  // namespace frontend
