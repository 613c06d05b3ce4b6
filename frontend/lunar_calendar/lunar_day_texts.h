// The texts the program holds for a lunar day, for the lunar calendar.
#pragma once

#include <cstdint>
#include <string>

#include "content/compose.h"

namespace frontend {

struct LunarDayTexts {
  content::Lines verse;       // the verse of advice
  content::Lines goodOrEvil;  // whether the day is good or evil
  content::Lines knife;       // "Боевое: …", "Магическое: …"
};

// The texts of lunar day `number`; a text the tables lack stays empty.
LunarDayTexts TextsOfLunarDay(const content::ReferenceTables& tables, int32_t number);

enum class DayKind { kUnknown, kGood, kEvil };

// "зол" anywhere in the phrase makes the day evil (at least in part),
// otherwise "добр" makes it good; a phrase with neither says nothing.
DayKind KindOfDay(const content::Lines& goodOrEvil);

}  // namespace frontend
