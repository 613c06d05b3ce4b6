// The calendar as text: one line per date, as its cell in the grid reads.
#include "frontend/birth/russian_dates.h"
#include "frontend/calendar_export/calendar_export.h"
#include "frontend/lunar_calendar/calendar_day_lines.h"
#include "frontend/lunar_calendar/old_style_days.h"

namespace frontend {

QString CalendarText(const CalendarExport& calendar, const content::ReferenceTables& tables) {
  const DayKindOf kindOf = [&tables](int32_t number) {
    return KindOfDay(TextsOfLunarDay(tables, number).goodOrEvil);
  };
  QString text =
      QStringLiteral("Лунный календарь: %1  %2\n")
          .arg(calendar.placeName, CoordinatesText(calendar.latitude, calendar.longitude));
  int32_t headedYear = 0;
  for (const LunarMonth& month : calendar.months) {
    if (month.month.year != headedYear) {
      headedYear = month.month.year;
      text += ZoneHeading(calendar.zone, headedYear) + QLatin1Char('\n');
    }
    QString name = RussianLocale().standaloneMonthName(month.month.month, QLocale::LongFormat);
    if (!name.isEmpty()) name[0] = name[0].toUpper();
    text += QStringLiteral("\n%1 %2\n").arg(name).arg(month.month.year);
    for (const CalendarDay& date : month.days) {
      QString line =
          QStringLiteral("%1 %2")
              .arg(date.date.day, 2)
              .arg(RussianLocale().standaloneDayName(date.weekDay, QLocale::ShortFormat));
      if (IsUnfavourableDay(DayNumberOf(date.date))) line += QStringLiteral(" !");
      text += line.leftJustified(8) + CellLinesOf(date, kindOf).join(QStringLiteral("; ")) +
              QLatin1Char('\n');
    }
  }
  text += QStringLiteral(
      "\n●1 новолуние, ○ полнолуние; «с 8:34» — начало лунного дня по местным часам этой даты; "
      "«летнее: 3:00→4:00» — перевод часов; "
      "! — неблагоприятный день: числа таблицы по старому стилю, перенесенные на новый.\n");
  return text;
}

}  // namespace frontend
