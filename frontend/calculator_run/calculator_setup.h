// Start-up preparation of the calculator's files: the first candidate
// directory where the calculator can be written whole and run is used.
#pragma once

#include <QByteArray>
#include <vector>

#include "frontend/calculator_run/calculator_files.h"
#include "frontend/calculator_run/private_directory.h"

namespace frontend {

// Tries `candidates` in order. In each: the paths must reach the calculator
// whole, the directory is made private, abandoned runs are reclaimed, a run
// number is reserved, `program` is written as the executable and must pass a
// trial run, and the script is written. A candidate that fails on any step
// keeps none of this run's files. When none succeeds, the result is not
// usable() and its unusableReason names every directory tried and its fault.
CalculatorFiles SetUpCalculatorFiles(const std::vector<DirectoryCandidate>& candidates,
                                     const QByteArray& program);

// Reclaims abandoned runs in every candidate whose private directory already
// exists, so that files left by a killed program are removed even where this
// program will not run the calculator; a directory left empty is removed.
void ReclaimAbandonedRunsEverywhere(const std::vector<DirectoryCandidate>& candidates);

}  // namespace frontend
