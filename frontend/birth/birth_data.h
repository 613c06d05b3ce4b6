// Everything the user entered for one person, read from the window once per
// calculation; the calculator's parameters, the birth moment and the
// composition's date all derive from it.
#pragma once

#include <QString>
#include <QTime>
#include <cstdint>

#include "content/compose.h"
#include "frontend/birth/calculator_clock.h"
#include "frontend/birth/civil_calendar.h"
#include "frontend/calculator_run/lunar_day_of_birth.h"
#include "frontend/calculator_run/parameter_file.h"
#include "frontend/places/coordinate.h"

namespace frontend {

enum class Sex { kMale, kFemale };

struct BirthData {
  QString surname;
  QString firstName;
  QString patronymic;
  Sex sex = Sex::kMale;
  // The local civil date of birth, as typed: Julian before 15 October 1582,
  // as the calculator counts it.
  CivilDate date;
  QTime time;  // local clock time of birth
  // The difference from Greenwich, east positive: local time minus Universal
  // Time is zoneHours hours and zoneMinutes minutes, both of the same sign
  // (+5:30 is 5 and 30, -3:30 is -3 and -30; whole hours have 0 minutes).
  int32_t zoneHours = 0;
  int32_t zoneMinutes = 0;
  // The time-zone database's name ("Europe/Minsk") when the zone follows the
  // picked place; empty when the zone was typed by hand.
  QString zoneName;
  // The place picked in the list, whose coordinates these are; empty when the
  // coordinates were typed by hand.
  QString place;
  Coordinate latitude;
  Coordinate longitude;

  bool operator==(const BirthData&) const = default;
};

// Surname, first name and patronymic, those given, joined by blanks.
QString FullName(const BirthData& birth);

// The zone in minutes east of Greenwich, and setting it from minutes.
int32_t ZoneOffsetMinutes(const BirthData& birth);
void SetZoneOffsetMinutes(BirthData& birth, int32_t minutes);

// The calculator's view: date, time to the minute, zone and coordinates. The
// calculator takes whole hours only, so a zone such as +5:30 is handed over as
// the same instant on the whole-hour zone +5 with the clock put back 30
// minutes (calculator_clock.h); a whole-hour zone goes as entered.
CalculatorInput CalculatorInputOf(const BirthData& birth);

// The same for a clock already put on the calculator's zone, at a place.
CalculatorInput CalculatorInputAt(const CalculatorClock& clock, const Coordinate& latitude,
                                  const Coordinate& longitude);

// The birth moment to the whole second, on the clock the calculator's table is
// written in: the local time as entered, moved as in CalculatorInputOf.
LocalMoment BirthMomentOf(const BirthData& birth);

// The calendar date the horoscope's tables are keyed on.
content::BirthDate CompositionDateOf(const BirthData& birth);

}  // namespace frontend
