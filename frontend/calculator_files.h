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

  // False when no safe directory could be had; nothing is then written or run.
  bool usable() const { return !temporaryDirectory.isEmpty(); }
  // Why the calculator cannot be run here, in Russian for the result dialog;
  // set whenever usable() is false or the executable could not be written.
  QString unusableReason;
};

namespace frontend {

// The first run number, from 1, whose executable is not present in
// `directory`, reserved by creating that executable empty. Only the
// executable counts: it is what a running copy of the program keeps there.
int32_t ChooseRunNumber(const QString& directory);

// The seven paths for `directory` (ending in "/") and `runNumber`.
CalculatorFiles NameCalculatorFiles(const QString& directory, int32_t runNumber);

// Line 1 runs the calculator with the parameter file as its one argument,
// named relative to the directory the script runs in; line 2 then writes the
// flag file. Every path is quoted: it may hold blanks.
QStringList ScriptLines(const CalculatorFiles& files);

// Writes the script for /bin/sh; lines end in LF, since the shell would take
// a CR as part of the last word.
bool WriteScript(const CalculatorFiles& files);

// Writes the calculator byte for byte to the executable path, replacing any
// file there, runnable by the owner only.
bool WriteExecutable(const CalculatorFiles& files, const QByteArray& program);

// Deletes the five files (a failed deletion is ignored), then the directory
// itself if nothing else is left in it.
void RemoveCalculatorFiles(const CalculatorFiles& files);

}  // namespace frontend
