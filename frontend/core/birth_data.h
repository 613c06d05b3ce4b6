// Everything the user entered for one person, read from the window once per
// calculation; the calculator's parameters, the birth moment and the
// composition's date all derive from it.
#pragma once

#include <QDate>
#include <QString>
#include <QTime>
#include <cstdint>

#include "content/compose.h"
#include "frontend/core/lunar_day_of_birth.h"
#include "frontend/core/parameter_file.h"

namespace frontend {

enum class Sex { kMale, kFemale };

// A coordinate as typed: whole degrees (negative south or west) and arc
// minutes 0..60.
struct DegreesMinutes {
  int32_t degrees = 0;
  int32_t minutes = 0;
};

struct BirthData {
  QString surname;
  QString firstName;
  QString patronymic;
  Sex sex = Sex::kMale;
  QDate date;             // local civil date of birth
  QTime time;             // local clock time of birth
  int32_t zoneHours = 0;  // hours east of Greenwich: local time minus Universal Time
  QString place;          // the place as picked in the list; coordinates may differ
  DegreesMinutes latitude;
  DegreesMinutes longitude;
};

// The calculator's view: date, time to the minute, zone and coordinates.
CalculatorInput CalculatorInputOf(const BirthData& birth);

// The birth moment as entered, to the whole second, in local time.
LocalMoment BirthMomentOf(const BirthData& birth);

// The calendar date the horoscope's tables are keyed on.
content::BirthDate CompositionDateOf(const BirthData& birth);

}  // namespace frontend
