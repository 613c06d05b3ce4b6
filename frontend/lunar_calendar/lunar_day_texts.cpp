#include "frontend/lunar_calendar/lunar_day_texts.h"

#include "content/sections.h"

namespace frontend {

LunarDayTexts TextsOfLunarDay(const content::ReferenceTables& tables, int32_t number) {
  LunarDayTexts texts;
  const std::string day = std::to_string(number);
  content::AppendSection("#" + day, tables.moonDaysDescr, texts.verse);
  content::AppendSection("#" + day, tables.moonDaysDescr2, texts.goodOrEvil);
  texts.knife = content::KnifeQualities(tables, day);
  return texts;
}

DayKind KindOfDay(const content::Lines& goodOrEvil) {
  bool good = false;
  for (const std::string& line : goodOrEvil) {
    if (line.find("зол") != std::string::npos) return DayKind::kEvil;
    good = good || line.find("добр") != std::string::npos;
  }
  return good ? DayKind::kGood : DayKind::kUnknown;
}

}  // namespace frontend
