#include "frontend/core/run_preparation.h"

#include <QFile>
#include <QSaveFile>

#include "frontend/core/calculator_files.h"
#include "frontend/core/failure_report.h"
#include "frontend/core/lunar_day_of_birth.h"
#include "frontend/core/parameter_file.h"

namespace frontend {

namespace {

bool WriteParameterFile(const CalculatorFiles& files, const CalculatorInput& input) {
  const std::string text =
      ParameterFileText(input, QFile::encodeName(files.outputPath).toStdString());
  QSaveFile file(files.parameterPath);
  if (!file.open(QIODevice::WriteOnly)) return false;
  file.write(text.data(), static_cast<qint64>(text.size()));
  return file.commit();
}

RunOutcome Refused(RunFailure failure, QString detail = {}) {
  RunOutcome outcome;
  outcome.failure = failure;
  outcome.detail = std::move(detail);
  return outcome;
}

}  // namespace

std::optional<RunOutcome> PrepareCalculatorRun(const CalculatorFiles* files,
                                               const BirthData& birth) {
  if (files == nullptr || !files->usable() || !files->unusableReason.isEmpty()) {
    return Refused(RunFailure::kFilesUnusable,
                   files != nullptr ? files->unusableReason : QString());
  }
  const CalculatorInput typed = CalculatorInputOf(birth);
  CalculatorInput input = typed;
  if (const auto problem = CarryWholeDegrees(input); problem != CoordinateProblem::kNone) {
    return Refused(RunFailure::kCoordinateOutOfRange, CoordinateRangeText(problem, typed));
  }
  // A parameter file that cannot be written would leave the previous
  // calculation's inputs in place, so the run is not even started.
  if (!WriteParameterFile(*files, input)) return Refused(RunFailure::kParameterFileNotWritten);
  return std::nullopt;
}

std::string TakeLunarDay(RunOutcome& outcome, const BirthData& birth) {
  if (!outcome.ok()) return {};
  std::string lunarDay = LunarDayOfBirth(outcome.table, BirthMomentOf(birth));
  if (lunarDay.empty()) outcome.failure = RunFailure::kNoLunarDay;
  return lunarDay;
}

}  // namespace frontend
