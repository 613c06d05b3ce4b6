#include "content/compose.h"

#include <cstdio>

#include "content/cp1251.h"
#include "content/sections.h"

namespace content {
namespace {

// Fixed texts of the result pages, as Windows-1251 bytes.
struct Phrases {
  std::string bornIn = Cp1251FromUtf8("Вы родились в ");
  std::string circleOfWorld = Cp1251FromUtf8("-м круге мира ");
  std::string lunarDayFalls = Cp1251FromUtf8("Дата рождения приходится на ");
  std::string lunarDaySuffix = Cp1251FromUtf8("-й лунный день");
  std::string lunarDayUnknown = Cp1251FromUtf8("Лунный день рождения определить не удалось");
  std::string combat = Cp1251FromUtf8("Боевое: ");
  std::string magical = Cp1251FromUtf8("Магическое: ");
  std::string god = Cp1251FromUtf8("Бог:\t\t");
  std::string whatToDo = Cp1251FromUtf8("Что делать:\t");
  std::string qualities = Cp1251FromUtf8("качества:\t");
  std::string whereToGo = Cp1251FromUtf8("Куда ходить: \tна ");
  std::string sneeze = Cp1251FromUtf8("Чихнешь натощак:\t");
  std::string unnamed = " :\t";
  std::string bornThisDay = Cp1251FromUtf8("Родившиеся в этот день :\t");
  std::string shrovetide = Cp1251FromUtf8("Дни на масленицу :\t");
};

const Phrases& Texts() {
  static const Phrases phrases;
  return phrases;
}

void AddWeekDay(const Fields& row, std::string_view localeShortDate, Lines& memo14) {
  const Phrases& t = Texts();
  const auto column = [&row](std::size_t index) { return FieldOrEmpty(row, index); };
  memo14.push_back(std::string(localeShortDate) + ", " + column(1));
  memo14.emplace_back();
  memo14.push_back(t.god + column(2));
  memo14.push_back(t.whatToDo + column(3));
  memo14.push_back(t.qualities + column(4));
  memo14.push_back(t.whereToGo + column(5));
  memo14.push_back(t.sneeze + column(6));
  memo14.push_back(t.unnamed + column(7));
  memo14.push_back(t.unnamed + column(8));
  memo14.push_back(t.unnamed + column(9));
  memo14.push_back(t.bornThisDay + column(10));
  memo14.push_back(t.shrovetide + column(11));
}

}  // namespace

std::string DateKey(const BirthDate& birthDate) {
  char key[16];
  std::snprintf(key, sizeof key, "%02d.%02d", birthDate.day, birthDate.month);
  return key;
}

int WeekDayNumber(const BirthDate& birthDate) {
  // Month offsets of the Gregorian weekday rule with January and February
  // counted in the previous year; the sum is 0 on a Sunday.
  static constexpr int kMonthOffset[] = {0, 3, 2, 5, 0, 3, 5, 1, 4, 6, 2, 4};
  if (birthDate.month < 1 || birthDate.month > 12) return 0;
  const int year = birthDate.month < 3 ? birthDate.year - 1 : birthDate.year;
  const int sum =
      year + year / 4 - year / 100 + year / 400 + kMonthOffset[birthDate.month - 1] + birthDate.day;
  return ((sum % 7) + 7) % 7 + 1;
}

Composition Compose(const ReferenceTables& tables, const BirthDate& birthDate,
                    std::string_view lunarDay, std::string_view localeShortDate) {
  const Phrases& t = Texts();
  Composition result;

  // Steps 1-4: the working values; a look-up that finds nothing leaves them empty.
  const std::string dateKey = DateKey(birthDate);
  std::string sunLetter, circle, treeSign, lunarLetter, worldName;
  if (const auto row = FindRow(tables.sunDays, dateKey, KeyForm::kColumn0)) {
    sunLetter = FieldOrEmpty(*row, 1);
    circle = FieldOrEmpty(*row, 2);
    treeSign = FieldOrEmpty(*row, 3);
  }
  if (const auto row = FindRow(tables.moonDays, lunarDay, KeyForm::kColumn0)) {
    lunarLetter = FieldOrEmpty(*row, 1);
  }
  if (const auto row = FindRow(tables.worlds, sunLetter + lunarLetter, KeyForm::kColumn0And1)) {
    worldName = FieldOrEmpty(*row, 3);
  }

  // Circle of the world.
  result.memo3.push_back(t.bornIn + circle + t.circleOfWorld + worldName);
  AppendSection("#" + circle, tables.restxt, result.memo3);

  // Without a lunar day the caption says so, rather than "...на -й лунный день".
  result.label1 = lunarDay.empty() ? t.lunarDayUnknown
                                   : t.lunarDayFalls + std::string(lunarDay) + t.lunarDaySuffix;

  const std::string lunarKey = "#" + std::string(lunarDay);
  AppendSection(lunarKey, tables.moonDaysDescr, result.memo7);
  AppendSection(lunarKey, tables.moonDaysDescr1, result.memo2);
  AppendSection(lunarKey, tables.moonDaysDescr2, result.memo6);

  const std::string solarKey = "#" + treeSign;
  AppendSection(solarKey, tables.sunDaysDescr, result.memo4);
  AppendSection(solarKey, tables.sunDaysDescr1, result.memo5);

  if (const auto row = FindRow(tables.knife, lunarDay, KeyForm::kColumn0)) {
    result.memo12.push_back(t.combat + FieldOrEmpty(*row, 1));
    result.memo12.push_back(t.magical + FieldOrEmpty(*row, 2));
  }

  // Row 0 of the week-day table is its header.
  const std::string weekDay = std::to_string(WeekDayNumber(birthDate));
  if (const auto row = FindRow(tables.weekDays, weekDay, KeyForm::kColumn0, 1)) {
    AddWeekDay(*row, localeShortDate, result.memo14);
  }

  result.pictureIndex = birthDate.month - 1;
  return result;
}

}  // namespace content
