// Dates as the window shows them: in Russian whatever language the system
// speaks, since the program and its texts are Russian.
#pragma once

#include <QDate>
#include <QLocale>
#include <QString>

namespace frontend {

QLocale RussianLocale();

// "8 декабря 2026 г.": the date box while it is not being typed into.
QString LongDateFormat();
// "08.12.2026": the date box while a date is typed, and the week-day page.
QString NumericDateFormat();

QString ShortDate(QDate date);

}  // namespace frontend
