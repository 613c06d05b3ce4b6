// Composition of every result page from a birth date and a lunar day of birth.
//
// All text is UTF-8: the tables are decoded from their stored code page when
// they are loaded.
#pragma once

#include <string>
#include <string_view>

#include "content/tables.h"

namespace content {

// The twelve reference tables, each decoded to UTF-8 and cut into lines (see
// CutLines in tables.h).
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

// Where each table comes from, in loading order: the file <word>.txt of the
// data directory, built into the window as the resource <WORD>_TXT.
struct TableSource {
  std::string_view word;
  Lines ReferenceTables::*lines;
};
inline constexpr TableSource kTableSources[] = {
    {"sun_days", &ReferenceTables::sunDays},
    {"moon_days", &ReferenceTables::moonDays},
    {"week_days", &ReferenceTables::weekDays},
    {"moon_days_descr", &ReferenceTables::moonDaysDescr},
    {"moon_days_descr1", &ReferenceTables::moonDaysDescr1},
    {"moon_days_descr2", &ReferenceTables::moonDaysDescr2},
    {"sun_days_descr", &ReferenceTables::sunDaysDescr},
    {"sun_days_descr1", &ReferenceTables::sunDaysDescr1},
    {"worlds", &ReferenceTables::worlds},
    {"key", &ReferenceTables::key},
    {"knife", &ReferenceTables::knife},
    {"restxt", &ReferenceTables::restxt},
};

struct BirthDate {
  int year = 0;
  int month = 0;  // 1..12
  int day = 0;    // 1..31
};

// Said under the week-day horoscope wherever it is shown (window, text,
// printout): its harsh cells are old sayings, not a forecast.
inline constexpr std::string_view kWeekDayNote =
    "Приметы и присловья этой страницы — народные поверья, а не предсказания: "
    "судьбы человека они не определяют.";

// Every result of one horoscope.
struct Composition {
  Lines worldCircle;  // the circle and world of birth, then the circle's text
  std::string
      lunarDayCaption;  // "Дата рождения приходится на N-й лунный день", or that it is unknown
  Lines lunarVerse;     // the verse of the lunar day
  Lines health;         // health and length of life by lunar day
  Lines goodOrEvil;     // whether the lunar day is good or evil
  Lines knife;          // the qualities given to a knife on the lunar day
  Lines treeSignPublic;       // public part of the tree sign
  Lines treeSignSecret;       // secret part of the tree sign
  Lines weekDay;              // week-day horoscope
  int monthPictureIndex = 0;  // 0 = January .. 11 = December
};

// birthDate must be a valid calendar date.
// lunarDay: "1".."30", or empty when no lunar day of birth is known; any other
// text matches no row and no section.
// shortDate: the birth date in the short form the window shows, which opens
// the week-day horoscope.
Composition Compose(const ReferenceTables& tables, const BirthDate& birthDate,
                    std::string_view lunarDay, std::string_view shortDate);

// The two lines of the qualities given to a knife on `lunarDay` ("1".."30"),
// "Боевое: …" and "Магическое: …"; none for a day the table lacks.
Lines KnifeQualities(const ReferenceTables& tables, std::string_view lunarDay);

// "dd.mm", whatever the user's locale.
std::string DateKey(const BirthDate& birthDate);

// Day of the week, 1 = Sunday .. 7 = Saturday, of a civil date: Julian up to
// 4 October 1582, Gregorian from 15 October 1582; 0 when the month is not 1..12.
int WeekDayNumber(const BirthDate& birthDate);

}  // namespace content
