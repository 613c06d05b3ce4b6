#include "frontend/core/lunar_day_texts.h"

#include "content/sections.h"

namespace frontend {

LunarDayTexts TextsOfLunarDay(const content::ReferenceTables& tables, int32_t number) {
  LunarDayTexts texts;
  const std::string day = std::to_string(number);
  content::AppendSection("#" + day, tables.moonDaysDescr, texts.verse);
  content::AppendSection("#" + day, tables.moonDaysDescr2, texts.goodOrEvil);
  if (const auto row = content::FindRow(tables.knife, day, content::KeyForm::kColumn0)) {
    texts.knife.push_back("Боевое: " + content::FieldOrEmpty(*row, 1));
    texts.knife.push_back("Магическое: " + content::FieldOrEmpty(*row, 2));
  }
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
