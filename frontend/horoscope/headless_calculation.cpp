#include "frontend/horoscope/headless_calculation.h"

#include "frontend/calculator_run/calculator_files.h"
#include "frontend/calculator_run/calculator_run.h"
#include "frontend/calculator_run/calculator_setup.h"
#include "frontend/calculator_run/failure_report.h"
#include "frontend/calculator_run/private_directory.h"
#include "frontend/calculator_run/run_preparation.h"

namespace frontend {

Horoscope CalculateWithoutWindow(const content::ReferenceTables& tables, const QByteArray& program,
                                 const BirthData& birth) {
  const auto candidates = CalculatorDirectoryCandidates();
  ReclaimAbandonedRunsEverywhere(candidates);
  CalculatorFiles files = SetUpCalculatorFiles(candidates, program);
  RunOutcome outcome;
  if (auto refused = PrepareCalculatorRun(&files, birth)) {
    outcome = *refused;
  } else {
    outcome = RunCalculatorAndWait(files);
  }
  std::string lunarDay = TakeLunarDay(outcome, birth);
  if (files.usable()) RemoveCalculatorFiles(files);
  return ComposeHoroscope(tables, birth, std::move(lunarDay), FailureReport(outcome));
}

}  // namespace frontend
