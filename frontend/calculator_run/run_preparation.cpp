#include "frontend/calculator_run/run_preparation.h"

#include "frontend/calculator_run/calculator_files.h"
#include "frontend/calculator_run/failure_report.h"
#include "frontend/calculator_run/lunar_day_of_birth.h"
#include "frontend/calculator_run/parameter_file.h"

namespace frontend {

std::optional<RunOutcome> PrepareCalculatorRun(const CalculatorFiles* files,
                                               const BirthData& birth) {
  if (files == nullptr || !files->usable() || !files->unusableReason.isEmpty()) {
    return FailedRun(RunFailure::kFilesUnusable,
                     files != nullptr ? files->unusableReason : QString());
  }
  CalculatorInput input = CalculatorInputOf(birth);
  if (auto refused = CarryCoordinates(input)) return refused;
  // A parameter file that cannot be written would leave the previous
  // calculation's inputs in place, so the run is not even started.
  if (!WriteParameterFile(*files, input)) return FailedRun(RunFailure::kParameterFileNotWritten);
  return std::nullopt;
}

std::optional<RunOutcome> CarryCoordinates(CalculatorInput& input) {
  const CalculatorInput typed = input;
  if (const auto problem = CarryWholeDegrees(input); problem != CoordinateProblem::kNone) {
    return FailedRun(RunFailure::kCoordinateOutOfRange, CoordinateRangeText(problem, typed));
  }
  return std::nullopt;
}

std::string TakeLunarDay(RunOutcome& outcome, const BirthData& birth) {
  if (!outcome.ok()) return {};
  std::string lunarDay = LunarDayOfBirth(outcome.table, BirthMomentOf(birth));
  if (lunarDay.empty()) outcome.failure = RunFailure::kNoLunarDay;
  return lunarDay;
}

}  // namespace frontend
