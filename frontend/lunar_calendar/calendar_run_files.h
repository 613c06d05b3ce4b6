// The files of the lunar calendar's runs: the birth calculation's executable,
// with a script, flag file, parameter file and table of their own, named
// "~luna" + run number + extension. Neither kind of run can then read, delete
// or overwrite the other's files, even while both are under way.
#pragma once

#include "frontend/calculator_run/calculator_files.h"

namespace frontend {

// The calendar's files beside the executable of `birthRun`. The result holds
// no lock: the birth run's files keep the run number.
CalculatorFiles CalendarRunFilesOf(const CalculatorFiles& birthRun);

// Deletes the calendar's script, flag, parameter and output files (a failed
// deletion is ignored).
void RemoveCalendarRunFiles(const CalculatorFiles& birthRun);

}  // namespace frontend
