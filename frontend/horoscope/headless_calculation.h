// The whole calculation without a window, for the command line: the
// calculator is set up in a private directory, run once and removed again.
#pragma once

#include <QByteArray>

#include "content/compose.h"
#include "frontend/birth/birth_data.h"
#include "frontend/horoscope/horoscope.h"

namespace frontend {

// `program` is the calculator's executable. Needs a running QCoreApplication
// (the run is driven by an event loop). A failed run leaves the lunar results
// empty and says why in calculatorFailure, as the window does.
Horoscope CalculateWithoutWindow(const content::ReferenceTables& tables, const QByteArray& program,
                                 const BirthData& birth);

}  // namespace frontend
