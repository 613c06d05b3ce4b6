#include "content/compose.h"

#include <cstdio>
#include <tuple>

#include "content/sections.h"

namespace content {
namespace {

void AddWeekDay(const Fields& row, std::string_view shortDate, Lines& weekDay) {
  const auto column = [&row](std::size_t index) { return FieldOrEmpty(row, index); };
  weekDay.push_back(std::string(shortDate) + ", " + column(1));
  weekDay.emplace_back();
  weekDay.push_back("Бог:\t\t" + column(2));
  weekDay.push_back("Что делать:\t" + column(3));
  weekDay.push_back("качества:\t" + column(4));
  weekDay.push_back("Куда ходить: \tна " + column(5));
  weekDay.push_back("Чихнешь натощак:\t" + column(6));
  // The table's header leaves columns 7 to 9 without a name: such a line has
  // no label and no colon, and its two tabs bring the value to the column of
  // "Бог:", as on the lines above.
  weekDay.push_back("\t\t" + column(7));
  weekDay.push_back("\t\t" + column(8));
  weekDay.push_back("\t\t" + column(9));
  weekDay.push_back("Родившиеся в этот день :\t" + column(10));
  weekDay.push_back("Дни на масленицу :\t" + column(11));
}

// The circle comes from the date alone; the world needs the lunar day too. A
// line that names the circle and stops where the world should stand would
// read as a complete answer, so a missing world is said, with its reason.
std::string WorldLine(const std::string& circle, const std::string& worldName,
                      std::string_view lunarDay) {
  const std::string circleText = "Вы родились в " + circle + "-м круге мира";
  if (!worldName.empty()) return circleText + " " + worldName;
  if (lunarDay.empty()) {
    return circleText +
           ". Мир рождения определить не удалось: он зависит от лунного дня "
           "рождения, а его вычислить не удалось.";
  }
  return circleText + ". Мир рождения определить не удалось: для " + std::string(lunarDay) +
         "-го лунного дня в таблице миров нет строки.";
}

}  // namespace

std::string DateKey(const BirthDate& birthDate) {
  char key[16];
  std::snprintf(key, sizeof key, "%02d.%02d", birthDate.day, birthDate.month);
  return key;
}

int WeekDayNumber(const BirthDate& birthDate) {
  // Month offsets of the week-day rule with January and February counted in
  // the previous year; the sum is 0 on a Sunday.
  static constexpr int kMonthOffset[] = {0, 3, 2, 5, 0, 3, 5, 1, 4, 6, 2, 4};
  if (birthDate.month < 1 || birthDate.month > 12) return 0;
  const int year = birthDate.month < 3 ? birthDate.year - 1 : birthDate.year;
  const bool gregorian =
      std::tie(birthDate.year, birthDate.month, birthDate.day) >= std::tuple(1582, 10, 15);
  // The Julian calendar keeps every fourth year as a leap year; its dates
  // stand five week days further on than the Gregorian rule's century terms
  // would put them (4 October 1582, a Thursday, was followed by Friday 15th).
  const int leapDays = gregorian ? year / 4 - year / 100 + year / 400 : year / 4 + 5;
  const int sum = year + leapDays + kMonthOffset[birthDate.month - 1] + birthDate.day;
  return ((sum % 7) + 7) % 7 + 1;
}

Lines KnifeQualities(const ReferenceTables& tables, std::string_view lunarDay) {
  Lines knife;
  if (const auto row = FindRow(tables.knife, lunarDay, KeyForm::kColumn0)) {
    knife.push_back("Боевое: " + FieldOrEmpty(*row, 1));
    knife.push_back("Магическое: " + FieldOrEmpty(*row, 2));
  }
  return knife;
}

Composition Compose(const ReferenceTables& tables, const BirthDate& birthDate,
                    std::string_view lunarDay, std::string_view shortDate) {
  Composition result;

  // A look-up that finds nothing leaves its values empty.
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

  result.worldCircle.push_back(WorldLine(circle, worldName, lunarDay));
  AppendSection("#" + circle, tables.restxt, result.worldCircle);

  // Without a lunar day the caption says so, rather than "...на -й лунный день".
  result.lunarDayCaption =
      lunarDay.empty() ? "Лунный день рождения определить не удалось"
                       : "Дата рождения приходится на " + std::string(lunarDay) + "-й лунный день";

  const std::string lunarKey = "#" + std::string(lunarDay);
  AppendSection(lunarKey, tables.moonDaysDescr, result.lunarVerse);
  AppendSection(lunarKey, tables.moonDaysDescr1, result.health);
  AppendSection(lunarKey, tables.moonDaysDescr2, result.goodOrEvil);

  const std::string solarKey = "#" + treeSign;
  AppendSection(solarKey, tables.sunDaysDescr, result.treeSignPublic);
  AppendSection(solarKey, tables.sunDaysDescr1, result.treeSignSecret);

  result.knife = KnifeQualities(tables, lunarDay);

  // Row 0 of the week-day table is its header.
  const std::string weekDayKey = std::to_string(WeekDayNumber(birthDate));
  if (const auto row = FindRow(tables.weekDays, weekDayKey, KeyForm::kColumn0, 1)) {
    AddWeekDay(*row, shortDate, result.weekDay);
  }

  result.monthPictureIndex = birthDate.month - 1;
  return result;
}

}  // namespace content
