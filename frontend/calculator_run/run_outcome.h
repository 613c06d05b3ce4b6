// What one calculator run gave the calculation that asked for it.
#pragma once

#include <QString>
#include <optional>
#include <string>
#include <utility>
#include <vector>

namespace frontend {

enum class RunFailure {
  kNone,
  kFilesUnusable,            // no safe place for the calculator's files
  kCoordinateOutOfRange,     // refused before the calculator was started
  kParameterFileNotWritten,  // the previous run's inputs would have been used
  kOldFilesRemain,           // the previous run's flag or table cannot be deleted
  kNotStarted,               // the shell could not be started
  kTimedOut,                 // ended after the wait limit
  kNoTable,                  // the script ended without a lunar-day table
  kNoLunarDay,               // the table holds no row pair around the birth moment
  kAbandoned,                // the window closed or the program is ending: nothing to report
};

struct RunOutcome {
  RunFailure failure = RunFailure::kNone;
  // The lunar-day table, one entry per line, bytes as the calculator wrote
  // them; filled only when the run succeeded.
  std::vector<std::string> table;
  // What the shell and the calculator printed, merged, for the failure report.
  std::string calculatorOutput;
  // A reason already in Russian, for the failures that carry one.
  QString detail;
  // How the calculator ended, as its script recorded it in the flag file;
  // nothing when the script did not get that far.
  std::optional<int> calculatorExitStatus;

  bool ok() const { return failure == RunFailure::kNone; }
};

inline RunOutcome FailedRun(RunFailure failure, QString detail = {}) {
  RunOutcome outcome;
  outcome.failure = failure;
  outcome.detail = std::move(detail);
  return outcome;
}

}  // namespace frontend
