#include "frontend/lunar_calendar/calendar_run_files.h"

#include <QFile>

namespace frontend {
namespace {

QString CalendarFile(const CalculatorFiles& birthRun, const char* extension) {
  return birthRun.temporaryDirectory + QStringLiteral("~luna") +
         QString::number(birthRun.runNumber) + QLatin1String(extension);
}

}  // namespace

CalculatorFiles CalendarRunFilesOf(const CalculatorFiles& birthRun) {
  CalculatorFiles files = birthRun;
  files.scriptPath = CalendarFile(birthRun, ".bat");
  files.flagPath = CalendarFile(birthRun, ".fla");
  files.parameterPath = CalendarFile(birthRun, ".in");
  files.outputPath = CalendarFile(birthRun, ".out");
  // The birth run's lock is kept (not owned: only the birth run's files
  // release it), so that the calendar's shell holds it too and no other copy
  // of the program takes this run number while that shell may still live.
  return files;
}

void RemoveCalendarRunFiles(const CalculatorFiles& birthRun) {
  for (const char* extension : {".bat", ".fla", ".in", ".out"}) {
    QFile::remove(CalendarFile(birthRun, extension));
  }
}

}  // namespace frontend
