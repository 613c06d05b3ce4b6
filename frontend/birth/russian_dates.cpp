#include "frontend/birth/russian_dates.h"

namespace frontend {

QLocale RussianLocale() {
  return QLocale(QLocale::Russian, QLocale::Russia);
}

QString ShortDate(const CivilDate& date) {
  return QStringLiteral("%1.%2.%3")
      .arg(date.day, 2, 10, QLatin1Char('0'))
      .arg(date.month, 2, 10, QLatin1Char('0'))
      .arg(date.year, 4, 10, QLatin1Char('0'));
}

QString LongDate(const CivilDate& date) {
  // The month's name in the genitive, as after a day: "8 декабря".
  return QStringLiteral("%1 %2 %3 г.")
      .arg(date.day)
      .arg(RussianLocale().monthName(date.month, QLocale::LongFormat))
      .arg(date.year);
}

}  // namespace frontend
