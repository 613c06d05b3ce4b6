// Whether the calculator written into the private directory can run there: a
// directory on a file system mounted noexec takes the file but not the run.
#pragma once

#include <QString>

namespace frontend {
struct CalculatorFiles;
}  // namespace frontend

namespace frontend {

// Starts the calculator with a parameter file that does not exist yet and
// expects its answer for that case: the not-found message and exit code 100.
// Empty when it answered so; otherwise why not, in Russian.
QString CalculatorTrialRunProblem(const CalculatorFiles& files);

}  // namespace frontend
