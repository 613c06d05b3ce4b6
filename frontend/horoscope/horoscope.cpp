#include "frontend/horoscope/horoscope.h"

#include <utility>

#include "frontend/birth/russian_dates.h"

namespace frontend {

Horoscope ComposeHoroscope(const content::ReferenceTables& tables, const BirthData& birth,
                           std::string lunarDay, QString calculatorFailure) {
  Horoscope horoscope;
  horoscope.birth = birth;
  horoscope.composition = content::Compose(tables, CompositionDateOf(birth), lunarDay,
                                           ShortDate(birth.date).toStdString());
  horoscope.lunarDay = std::move(lunarDay);
  horoscope.calculatorFailure = std::move(calculatorFailure);
  return horoscope;
}

}  // namespace frontend
