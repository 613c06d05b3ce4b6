// The lunar-day table: one row for every lunar-day start (the new moon, then
// each moonrise at the birth place) over a number of lunations, beginning
// with the lunation that holds the birth moment.
#pragma once

#include <cstdio>

#include "calculator/params.h"

namespace moon {

// Computes the table, writes it to parameters.outputPath (CR LF line ends)
// and shows progress on `console`. Returns the process exit code.
//
// When the table cannot be created (or a write to it fails) every further
// write of the run, to the table and to the console, is skipped and the run
// still ends with 0: the missing table is the caller's signal.
int ComputeAndWriteTable(const RunParameters& parameters, std::FILE* console);

}  // namespace moon
