#include "calculator/table_format.h"

#include <cstdio>
#include <cstdlib>

#include "calculator/positions.h"

namespace moon {
namespace {

constexpr char kDegreeSign = '\xF8';

constexpr const char* kWeekDays[] = {"Su", "Mo", "Tu", "We", "Th", "Fr", "Sa"};
constexpr const char* kZodiacSigns[] = {"Ar", "Ta", "Ge", "Cn", "Le", "Vi",
                                        "Li", "Sc", "Sg", "Cp", "Aq", "Pi"};

constexpr std::string_view kColumnLine = "    Date            Time         Moon day        Moon";
constexpr std::string_view kProgressedColumn = "         Progr date";

template <typename... Args>
std::string Format(const char* pattern, Args... args) {
  char buffer[64];
  const int length = std::snprintf(buffer, sizeof buffer, pattern, args...);
  return std::string(buffer, length < 0 ? 0 : static_cast<std::size_t>(length));
}

std::string LongitudeText(const CoordinateRecord& place) {
  std::string text = CoordinateText(place.longitudeKind, place.longitude);
  const std::size_t firstShown = text.find_first_not_of(' ');
  text.erase(0, firstShown == std::string::npos ? text.size() : firstShown);
  return text;
}

}  // namespace

std::string DateText(const DateTimeRecord& record) {
  CalendarDate date;
  if (GetDate(record, date) != 0) return {};
  const char* sign = date.year < 0 ? "-" : "";
  return Format("%2d.%02d.%s%04d %s", date.day, date.month, sign, std::abs(date.year),
                kWeekDays[date.weekDay - 1]);
}

std::string TimeText(const DateTimeRecord& record) {
  if (record.timeKind == TimeKind::kNone) return {};
  ClockTime time;
  GetTime(record, time);
  if (record.timeKind == TimeKind::kFull)
    return Format("%2d:%02d:%02d", time.hour, time.minute, time.second);
  return Format("%2d:%02d", time.hour, time.minute);
}

std::string MoonText(bool longitudeValid, int32_t longitude) {
  if (!longitudeValid) return std::string(6, ' ');
  int32_t value = longitude % kFullCircle;
  if (value < 0) value += kFullCircle;
  const int32_t degrees = value / 3600;  // seconds of arc are dropped, not rounded
  return Format("%2d%s%02d", degrees % 30, kZodiacSigns[degrees / 30], (value / 60) % 60);
}

std::string CoordinateText(CoordinateKind kind, int32_t arcseconds) {
  if (kind == CoordinateKind::kNone) return {};
  const int32_t magnitude = std::abs(arcseconds);
  // The sign is written apart from the degrees so that a place less than one
  // degree south or west still reads "-0".
  const std::string degrees = (arcseconds < 0 ? "-" : "") + std::to_string(magnitude / 3600);
  std::string text = Format("%4s%c%02d'", degrees.c_str(), kDegreeSign, (magnitude / 60) % 60);
  if (kind == CoordinateKind::kFull) text += Format("%02d\"", magnitude % 60);
  return text;
}

std::array<std::string, 3> HeaderLines(const RunParameters& parameters) {
  const MomentRecord& birth = parameters.birth.moment;
  const std::string zone = std::to_string(birth.dateTime.timeZone);

  std::string first = std::string(10, ' ') + parameters.headerName;
  if (parameters.progressed) {
    first += ", " + DateText(birth.dateTime) + ", " + TimeText(birth.dateTime) + "(" + zone + ")";
  }

  std::string second = std::string(11, ' ');
  if (!parameters.birth.place.empty()) second += parameters.birth.place + ", ";
  second += CoordinateText(birth.place.latitudeKind, birth.place.latitude) + "/" +
            LongitudeText(birth.place);
  if (!parameters.progressed) second += ", Time_zone = " + zone;

  std::string third(kColumnLine);
  if (parameters.progressed) third += kProgressedColumn;
  return {first, second, third};
}

std::string RowText(const DateTimeRecord& start, uint16_t lunarDay, std::string_view moonText,
                    const std::string* progressedDateText) {
  std::string row = "  " + DateText(start) + "   " + TimeText(start) + std::string(9, ' ') +
                    Format("%2u", static_cast<unsigned>(lunarDay)) + std::string(12, ' ');
  row += moonText;
  if (progressedDateText != nullptr) row += std::string(7, ' ') + *progressedDateText;
  return row;
}

}  // namespace moon
