#include "lunar_table.h"

#include <string_view>

namespace moon::testing {
namespace {

int Number(const std::string& text, std::size_t from, std::size_t length) {
  return std::stoi(text.substr(from, length));
}

TableRow ParseRow(const std::string& line) {
  TableRow row;
  row.text = line;
  if (line.size() < 55) return row;
  row.day = Number(line, 2, 2);
  row.month = Number(line, 5, 2);
  row.year = Number(line, 8, 4);
  row.weekDay = line.substr(13, 2);
  row.hour = Number(line, 18, 2);
  row.minute = Number(line, 21, 2);
  row.second = Number(line, 24, 2);
  row.lunarDay = Number(line, 35, 2);
  row.moonText = line.substr(49, 6);
  if (line.size() > 55) row.progressedDate = line.substr(62);
  return row;
}

}  // namespace

LunarTable ParseTable(const std::string& bytes) {
  LunarTable table;
  std::size_t start = 0;
  int index = 0;
  while (start < bytes.size()) {
    const std::size_t end = bytes.find("\r\n", start);
    if (end == std::string::npos) {
      table.crlfOnly = false;
      break;
    }
    const std::string line = bytes.substr(start, end - start);
    if (line.find_first_of("\r\n") != std::string::npos) table.crlfOnly = false;
    if (index < 3) {
      table.header.push_back(line);
    } else {
      table.rows.push_back(ParseRow(line));
    }
    ++index;
    start = end + 2;
  }
  return table;
}

MomentRecord RowMoment(const TableRow& row, int16_t timeZone, const CoordinateRecord& place) {
  MomentRecord m;
  InitMoment(m);
  SetDate(row.day, row.month, row.year, m.dateTime);
  SetTime(row.hour, row.minute, row.second, m.dateTime);
  m.dateTime.timeZone = timeZone;
  m.place = place;
  return m;
}

int64_t SecondsBetween(const MomentRecord& a, const MomentRecord& b) {
  return (int64_t{b.dateTime.julianDay} - a.dateTime.julianDay) * 86400 +
         (b.dateTime.secondsOfDay - a.dateTime.secondsOfDay);
}

}  // namespace moon::testing
