#include "frontend/birth/russian_dates.h"

namespace frontend {

QLocale RussianLocale() {
  return QLocale(QLocale::Russian, QLocale::Russia);
}

QString LongDateFormat() {
  return QStringLiteral("d MMMM yyyy 'г.'");
}

QString NumericDateFormat() {
  return QStringLiteral("dd.MM.yyyy");
}

QString ShortDate(QDate date) {
  return RussianLocale().toString(date, NumericDateFormat());
}

}  // namespace frontend
