// The files through which the front end and the lunar calculator meet: the
// calculator's executable, the script that runs it, the parameter file, the
// output table and the flag file the script writes when the calculator ends.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include <QByteArray>
#include <QString>
#include <QStringList>

#include "frontend/calculator_run/parameter_file.h"

namespace frontend {

struct CalculatorFiles {
  // The seven paths. The directory ends in "/"; every file in it is named
  // "~moon" + run number + extension. The short directory is empty: the
  // script runs inside the directory, so the parameter file's bare name is its
  // short path (the calculator keeps at most 80 characters of its argument).
  QString temporaryDirectory;
  QString executablePath;  // ".exe"
  QString scriptPath;      // ".bat"
  QString flagPath;        // ".fla"
  QString parameterPath;   // ".in"
  QString outputPath;      // ".out"
  QString shortTemporaryDirectory;
  int32_t runNumber = 0;
  // The descriptor through which this program holds its run (see
  // run_numbers.h); -1 when none is held.
  int runLock = -1;

  // False when no safe directory could be had; nothing is then written or run.
  bool usable() const { return !temporaryDirectory.isEmpty(); }
  // Why the calculator cannot be run, in Russian for the result dialog: every
  // directory tried and what was wrong with it. Set whenever usable() is false.
  QString unusableReason;
};

// The seven paths for `directory` (ending in "/") and `runNumber`.
CalculatorFiles NameCalculatorFiles(const QString& directory, int32_t runNumber);

// The calculator's one argument: the parameter file, named relative to the
// directory the script runs in.
QString ParameterArgument(const CalculatorFiles& files);

// Line 1 runs the calculator with ParameterArgument(); line 2 then writes the
// flag file, holding the calculator's exit status. Every path is quoted, as it may hold blanks, and
// whole.
QStringList ScriptLines(const CalculatorFiles& files);

// Writes the script for /bin/sh; lines end in LF, since the shell would take
// a CR as part of the last word. Whatever had the script's name is removed
// first and the script created anew, so a planted symlink is never followed.
// False on failure, with errno telling why.
bool WriteScript(const CalculatorFiles& files);

// Writes the calculator byte for byte into the regular file at the executable
// path (the one ChooseRunNumber created for this run), creating it if missing,
// runnable by the owner only; a symlink there is not followed but refused.
// False on failure, with errno telling why; a partly written file is left for
// the caller to remove.
bool WriteExecutable(const CalculatorFiles& files, const QByteArray& program);

// Writes the parameter file for `input`, naming the output table, with
// `lunations` lunations; false when it cannot be written whole.
bool WriteParameterFile(const CalculatorFiles& files, const frontend::CalculatorInput& input,
                        int32_t lunations = frontend::kBirthLunations);

// Deletes the script, flag, parameter and output files, the lunar calendar's
// among them (a failed deletion is ignored).
void RemoveFilesBesideExecutable(const CalculatorFiles& files);

// Deletes the five files (a failed deletion is ignored), the executable last,
// so that its run number stays taken until the others are gone; gives up the
// run's lock, then removes the directory itself if nothing else is left in it.
void RemoveCalculatorFiles(CalculatorFiles& files);

}  // namespace frontend
