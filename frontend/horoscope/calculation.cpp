#include "frontend/horoscope/calculation.h"

#include <QtDebug>

#include "frontend/calculator_run/calculator_files.h"
#include "frontend/calculator_run/calculator_run.h"
#include "frontend/calculator_run/calculator_setup.h"
#include "frontend/calculator_run/failure_report.h"
#include "frontend/calculator_run/private_directory.h"
#include "frontend/calculator_run/run_preparation.h"

namespace frontend {

Calculation::Calculation(const content::ReferenceTables& tables)
    : tables_(tables), files_(std::make_unique<CalculatorFiles>()) {}

Calculation::~Calculation() {
  RemoveFiles();
}

void Calculation::SetUpCalculator(const QByteArray& program) {
  const auto candidates = CalculatorDirectoryCandidates();
  ReclaimAbandonedRunsEverywhere(candidates);
  *files_ = SetUpCalculatorFiles(candidates, program);
  if (!files_->usable()) qWarning().noquote() << files_->unusableReason;
}

CalculationResult Calculation::Calculate(const BirthData& birth, const RunCalculator& run) const {
  CalculationResult result;
  if (auto refused = PrepareCalculatorRun(files_.get(), birth)) {
    result.outcome = std::move(*refused);
  } else {
    result.outcome = run(*files_);
  }
  std::string lunarDay = TakeLunarDay(result.outcome, birth);
  result.horoscope =
      ComposeHoroscope(tables_, birth, std::move(lunarDay), FailureReport(result.outcome));
  return result;
}

CalculationResult Calculation::CalculateAndWait(const BirthData& birth) const {
  return Calculate(birth, [](const CalculatorFiles& files) { return RunCalculatorAndWait(files); });
}

void Calculation::RemoveFiles() {
  RemoveCalculatorFiles(*files_);
  *files_ = {};
}

}  // namespace frontend
