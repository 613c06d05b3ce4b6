// One finished calculation: the birth data it was run for and every result,
// as the window shows it and as print, the clipboard and the command line
// hand it on.
#pragma once

#include <QString>
#include <string>

#include "content/compose.h"
#include "frontend/birth/birth_data.h"

namespace frontend {

struct Horoscope {
  BirthData birth;
  std::string lunarDay;  // "1".."30", or empty when the run gave none
  content::Composition composition;
  // Why the lunar day is missing, in Russian; empty when it was found.
  QString calculatorFailure;
};

// Composes every result for `birth` and the lunar day the calculator gave.
Horoscope ComposeHoroscope(const content::ReferenceTables& tables, const BirthData& birth,
                           std::string lunarDay, QString calculatorFailure = {});

}  // namespace frontend
