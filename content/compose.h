// Composition of every result page from a birth date and a lunar day of birth.
//
// All text is Windows-1251 bytes, exactly as stored in the reference tables;
// the caller decodes it for display.
#pragma once

#include <string>
#include <string_view>

#include "content/tables.h"

namespace content {

// The twelve reference tables, each cut into lines (see CutLines in tables.h).
struct ReferenceTables {
  Lines sunDays;         // SUN_DAYS_TXT
  Lines moonDays;        // MOON_DAYS_TXT
  Lines weekDays;        // WEEK_DAYS_TXT
  Lines moonDaysDescr;   // MOON_DAYS_DESCR_TXT
  Lines moonDaysDescr1;  // MOON_DAYS_DESCR1_TXT
  Lines moonDaysDescr2;  // MOON_DAYS_DESCR2_TXT
  Lines sunDaysDescr;    // SUN_DAYS_DESCR_TXT
  Lines sunDaysDescr1;   // SUN_DAYS_DESCR1_TXT
  Lines worlds;          // WORLDS_TXT
  Lines key;             // KEY_TXT (loaded, never consulted)
  Lines knife;           // KNIFE_TXT
  Lines restxt;          // RESTXT_TXT
};

struct BirthDate {
  int year = 0;
  int month = 0;  // 1..12
  int day = 0;    // 1..31
};

// What each result control ends up holding.
struct Composition {
  Lines memo3;           // circle of the world
  Lines memo7;           // meaning of the lunar day (verse)
  Lines memo2;           // health and length of life
  Lines memo6;           // good and evil days
  Lines memo4;           // public part of the tree sign
  Lines memo5;           // secret part of the tree sign
  Lines memo12;          // knife qualities
  Lines memo14;          // week-day horoscope
  std::string label1;    // lunar-day caption; says so when no lunar day is known
  int pictureIndex = 0;  // month picture, 0 = January .. 11 = December
};

// birthDate must be a valid calendar date.
// lunarDay: "1".."30", or empty when no lunar day of birth is known; any other
// text matches no row and no section.
// localeShortDate: the birth date in the user's short date form (Windows-1251
// bytes), the start of line 1 of memo14.
Composition Compose(const ReferenceTables& tables, const BirthDate& birthDate,
                    std::string_view lunarDay, std::string_view localeShortDate);

// "dd.mm", whatever the user's locale.
std::string DateKey(const BirthDate& birthDate);

// Day of the week in the proleptic Gregorian calendar: 1 = Sunday .. 7 = Saturday;
// 0 when the month is not 1..12.
int WeekDayNumber(const BirthDate& birthDate);

}  // namespace content
