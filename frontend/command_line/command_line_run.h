// `velunor --text` / `--json`: the horoscope printed without a window.
#pragma once

#include <QStringList>

// Runs the command line and returns the exit status: 0 printed, 2 bad
// options, 3 printed without the lunar day (the run failed), 1 the program's
// own data is missing. Creates its own QCoreApplication.
int RunCommandLine(int argc, char* argv[]);
