// One run of the lunar calculator for the lunar calendar, started and
// finished through the event loop, so that the window goes on working while
// it computes. It uses the calendar's own files (calendar_run_files.h).
#pragma once

#include <QObject>
#include <QString>
#include <chrono>

#include "frontend/birth/birth_data.h"
#include "frontend/birth/calculator_clock.h"
#include "frontend/birth/civil_calendar.h"
#include "frontend/calculator_run/calculator_files.h"
#include "frontend/calculator_run/calculator_run.h"
#include "frontend/calculator_run/run_outcome.h"

class QDateTime;
class QTimer;

namespace frontend {

// The place the calendar is computed for, as the window's boxes hold it. The
// zone is the one in the zone box, for every month: a zone that follows the
// place's database zone is its offset at the birth date and time entered.
struct CalendarPlace {
  QString name;
  int32_t zoneOffsetMinutes = 0;  // east of Greenwich, +5:30 is 330
  QString zoneName;               // the database zone it came from, or empty
  Coordinate latitude;
  Coordinate longitude;

  bool operator==(const CalendarPlace& other) const = default;
};

CalendarPlace CalendarPlaceOf(const BirthData& birth);

// The local clock at the place's zone at the moment `utc`.
LocalMoment LocalNowAt(const CalendarPlace& place, const QDateTime& utc);

// A table from the first midnight of `firstMonth`, local time, on.
struct CalendarRunRequest {
  CalendarPlace place;
  YearMonth firstMonth;
  int32_t lunations = 1;  // 1..120
};

// The start the run hands the calculator, and the whole-hour clock its table
// comes back on (LocalClockOf turns the table's times into local ones).
CalculatorClock CalendarRunClock(const CalendarRunRequest& request);

class CalendarRun : public QObject {
  Q_OBJECT

 public:
  // The longest wait for the calculator, as for a birth calculation.
  static constexpr std::chrono::milliseconds kWaitLimit = CalculatorRun::kWaitLimit;

  explicit CalendarRun(QObject* parent = nullptr);

  // Runs beside the executable of `birthRun` (kept by copy); an unusable one
  // makes every run fail with its reason.
  void SetFiles(const CalculatorFiles& birthRun);

  // Starts a run unless one is under way (false then); finished() follows
  // in every case, also for a run that could not start.
  bool Start(const CalendarRunRequest& request);
  // Ends a run under way; no finished() follows for it.
  void Stop();
  bool running() const { return running_; }

  void SetWaitLimit(std::chrono::milliseconds limit) { waitLimit_ = limit; }
  // The calendar's files, for checks that they stay apart from the birth run's.
  const CalculatorFiles& files() const { return files_; }

 signals:
  // The run's table in `outcome.table` when it succeeded.
  void finished(const frontend::CalendarRunRequest& request, const frontend::RunOutcome& outcome);

 private:
  // Writes the run's input; a failure when the script cannot be started.
  RunOutcome Launch(const CalendarRunRequest& request);
  void RunEnded(const RunOutcome& outcome);
  void ReportLater(RunOutcome outcome);
  void Finish(RunOutcome outcome);

  CalculatorFiles files_;
  bool scriptWritten_ = false;
  CalculatorRun run_;
  bool starting_ = false;  // inside run_.Start()
  std::chrono::milliseconds waitLimit_ = kWaitLimit;
  CalendarRunRequest request_;
  bool running_ = false;
  // Counts starts and stops: a failure reported late belongs to its own run only.
  quint64 generation_ = 0;
};

}  // namespace frontend
