// The small reference tables whose every cell is fixed text. Each returns the
// table's bytes in Windows-1251 (the key table's header in CP866).
#pragma once

#include <string>

namespace keyed_tables {

std::string MoonDaysTable();
std::string WorldsTable();
std::string KeyTable();
std::string KnifeTable();
std::string WeekDaysTable();
// Sectioned, one phrase per lunar day; ends with the closing line "#" and no
// line break.
std::string MoonDaysDescr2Table();

}  // namespace keyed_tables
