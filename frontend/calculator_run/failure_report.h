// The result dialog's text for a failed calculation, in Russian.
#pragma once

#include <QString>
#include <string_view>

#include "frontend/calculator_run/parameter_file.h"
#include "frontend/calculator_run/run_outcome.h"

namespace frontend {

// "Ошибка в приложении", then on the next line what went wrong. Empty for a
// run that succeeded or was abandoned, which is not reported.
QString FailureReport(const RunOutcome& outcome);

// What went wrong, without the opening line; empty as for FailureReport.
QString FailureReason(const RunOutcome& outcome);

// What the calculator's console output says it refused or could not do (the
// first of its error messages found), in Russian; empty when it holds none.
QString CalculatorComplaint(std::string_view consoleOutput);

// Names the box whose coordinate is out of range, with the value as typed and
// the range allowed.
QString CoordinateRangeText(CoordinateProblem problem, const CalculatorInput& typed);

}  // namespace frontend
