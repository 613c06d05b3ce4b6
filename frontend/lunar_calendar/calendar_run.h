// One run of the lunar calculator for the lunar calendar, started and
// finished through the event loop, so that the window goes on working while
// it computes. It uses the calendar's own files (calendar_run_files.h).
#pragma once

#include <QObject>
#include <QString>
#include <chrono>
#include <optional>
#include <vector>

#include "frontend/birth/birth_data.h"
#include "frontend/birth/calculator_clock.h"
#include "frontend/birth/civil_calendar.h"
#include "frontend/calculator_run/calculator_files.h"
#include "frontend/calculator_run/calculator_run.h"
#include "frontend/calculator_run/run_outcome.h"
#include "frontend/lunar_calendar/calendar_zone.h"
#include "frontend/lunar_calendar/zoned_month.h"

class QDateTime;
class QTimer;

namespace frontend {

// The place the calendar is computed for, as the window's boxes hold it. A
// zone box that follows the place's database zone makes every date follow
// that zone's clock; an offset typed by hand holds for every date.
struct CalendarPlace {
  QString name;
  int32_t zoneOffsetMinutes = 0;  // typed by hand, east of Greenwich; 0 when following
  QString zoneName;               // the database zone followed, or empty
  Coordinate latitude;
  Coordinate longitude;

  bool operator==(const CalendarPlace& other) const = default;
};

// The birth's place and zone; the birth's date and time play no part.
CalendarPlace CalendarPlaceOf(const BirthData& birth);

// The clock of the place's calendar.
CalendarZone ZoneOf(const CalendarPlace& place);

// The local clock at the place's zone at the moment `utc`.
LocalMoment LocalNowAt(const CalendarPlace& place, const QDateTime& utc);

// A table from the first midnight of `firstMonth`, local time, on.
struct CalendarRunRequest {
  CalendarPlace place;
  YearMonth firstMonth;
  int32_t lunations = 1;  // 1..120
};

// The start the run hands the calculator: the first instant of the month at
// the place, in Universal Time, so that the table comes back in Universal
// Time and each of its instants can go onto the clock of its own date.
CalculatorClock CalendarRunClock(const CalendarRunRequest& request);

// Checks the files and the coordinates and writes the run's parameter file;
// a failed outcome when the run cannot go ahead.
RunOutcome PrepareCalendarRun(const CalculatorFiles& files, const CalendarRunRequest& request);

// The rows of a successful run's table as instants; nothing when the table is
// not the calculator's (rows out of time order, a number outside 1..30).
std::optional<std::vector<LunarDayInstant>> LunarDayInstantsOf(const CalendarRunRequest& request,
                                                               const RunOutcome& outcome);

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
  // Runs `request` while the caller waits, in an event loop of its own; no
  // finished() follows. Not while a run is under way (Stop() it first).
  RunOutcome RunAndWait(const CalendarRunRequest& request);
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
