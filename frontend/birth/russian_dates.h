// Dates as the window shows them: in Russian whatever language the system
// speaks, since the program and its texts are Russian. Dates are civil ones,
// Julian before 15 October 1582, written with their own day, month and year.
#pragma once

#include <QLocale>
#include <QString>

#include "frontend/birth/civil_calendar.h"

namespace frontend {

QLocale RussianLocale();

// "08.12.2026", "01.01.0100": the date box while a date is typed, and the
// week-day page.
QString ShortDate(const CivilDate& date);
// "8 декабря 2026 г.", "1 января 100 г.": the date box while it is not being
// typed into, and the horoscope's heading.
QString LongDate(const CivilDate& date);

}  // namespace frontend
