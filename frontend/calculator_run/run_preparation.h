// The steps of one calculation around the calculator's run that the window and
// the command line share: checking and writing its input before, and picking
// the lunar day of birth from its table after.
#pragma once

#include <optional>
#include <string>

#include "frontend/birth/birth_data.h"
#include "frontend/calculator_run/run_outcome.h"

namespace frontend {
struct CalculatorFiles;
}  // namespace frontend

namespace frontend {

// Refuses the run when the files cannot be used or a coordinate is out of
// range, and writes the parameter file otherwise. Nothing when the script may
// be started; else the outcome that tells why not.
std::optional<RunOutcome> PrepareCalculatorRun(const CalculatorFiles* files,
                                               const BirthData& birth);

// Carries a minutes value of 60 into the degrees of `input`; the refusal,
// naming the box as typed, when a coordinate is still out of range.
std::optional<RunOutcome> CarryCoordinates(CalculatorInput& input);

// "1".."30" from a successful run's table, or empty. A table without a row
// pair around the birth moment turns `outcome` into kNoLunarDay.
std::string TakeLunarDay(RunOutcome& outcome, const BirthData& birth);

}  // namespace frontend
