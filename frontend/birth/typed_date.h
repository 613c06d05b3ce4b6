// A birth date or time as the person types it, read as one text: the box
// never keeps half of an old value, and a text that names no real date or
// time gets a reason in Russian instead of some other value.
#pragma once

#include <QString>
#include <QTime>
#include <optional>

#include "frontend/birth/civil_calendar.h"

namespace frontend {

struct DateReading {
  std::optional<CivilDate> date;
  QString refusal;  // why there is no date, in Russian; empty when read
};

struct TimeReading {
  std::optional<QTime> time;  // to the minute
  QString refusal;
};

// Day, month and year, in this order, separated by ".", "/", "-", "," or blanks
// ("17.5.1990", "17/05/90", "1 1 100"), run together as DDMMYYYY or DDMMYY,
// or year first as YYYY-MM-DD.
// A two-digit year is the nearest such year not after `currentYear`. The date
// is civil: Julian before 15 October 1582, as the calculator counts; it must
// lie in the calculator's range (birth_date_range.h).
DateReading ReadTypedDate(const QString& text, int currentYear);

// Hours and minutes separated by ":", "." or a blank ("1:30", "01.30"), the
// hours alone ("14"), or run together ("130", "1430").
TimeReading ReadTypedTime(const QString& text);

}  // namespace frontend
