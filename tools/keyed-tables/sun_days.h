// The solar-day table: one row per day of a leap year with its sun letter,
// circle number and tree-sign number.
#pragma once

#include <string>

namespace keyed_tables {

// The table's bytes: "dd.mm", sun letter, circle, tree sign, tab-separated,
// each row ended by CR LF. Throws std::logic_error when the built-in run and
// letter tables are inconsistent.
std::string SunDaysTable();

}  // namespace keyed_tables
