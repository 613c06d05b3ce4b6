// Reads the lunar-day table back: header lines and rows at their columns.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "calculator/calendar.h"

namespace moon::testing {

struct TableRow {
  std::string text;  // without the line end
  int day = 0, month = 0, year = 0;
  std::string weekDay;
  int hour = 0, minute = 0, second = 0;
  int lunarDay = 0;
  std::string moonText;
  std::string progressedDate;  // empty in normal mode
};

struct LunarTable {
  std::vector<std::string> header;  // the three header lines
  std::vector<TableRow> rows;
  bool crlfOnly = true;  // every line ended by CR LF and nothing else
};

LunarTable ParseTable(const std::string& bytes);

// The moment of a row's start at the given zone and place.
MomentRecord RowMoment(const TableRow& row, int16_t timeZone, const CoordinateRecord& place);

// Seconds from a to b (same zone).
int64_t SecondsBetween(const MomentRecord& a, const MomentRecord& b);

}  // namespace moon::testing
