#include "frontend/lunar_calendar/calendar_run.h"

#include <QDateTime>
#include <QTimer>

#include "frontend/calculator_run/calculator_paths.h"
#include "frontend/calculator_run/run_preparation.h"
#include "frontend/lunar_calendar/calendar_run_files.h"

namespace frontend {

CalendarPlace CalendarPlaceOf(const BirthData& birth) {
  return {birth.place, ZoneOffsetMinutes(birth), birth.zoneName, birth.latitude, birth.longitude};
}

LocalMoment LocalNowAt(const CalendarPlace& place, const QDateTime& utc) {
  const QDateTime local = utc.toUTC().addSecs(int64_t{place.zoneOffsetMinutes} * 60);
  const CivilDate date = CivilDateOf(local.date().toJulianDay());
  return {date.year, date.month, date.day, local.time().msecsSinceStartOfDay() / 1000};
}

CalculatorClock CalendarRunClock(const CalendarRunRequest& request) {
  // From the first midnight of the month, local time.
  return CalculatorClockOf({request.firstMonth.year, request.firstMonth.month, 1, 0},
                           request.place.zoneOffsetMinutes);
}

CalendarRun::CalendarRun(QObject* parent) : QObject(parent) {
  connect(&run_, &CalculatorRun::ended, this, &CalendarRun::RunEnded);
}

void CalendarRun::SetFiles(const CalculatorFiles& birthRun) {
  Stop();
  files_ = birthRun.usable() ? CalendarRunFilesOf(birthRun) : birthRun;
  scriptWritten_ = false;
}

bool CalendarRun::Start(const CalendarRunRequest& request) {
  if (running_) return false;
  running_ = true;
  ++generation_;
  request_ = request;
  RunOutcome failure = Launch(request);
  if (!failure.ok()) {
    ReportLater(std::move(failure));
    return true;
  }
  starting_ = true;
  run_.Start(&files_, waitLimit_);
  starting_ = false;
  return true;
}

RunOutcome CalendarRun::Launch(const CalendarRunRequest& request) {
  if (!files_.usable()) return FailedRun(RunFailure::kFilesUnusable, files_.unusableReason);
  if (QString problem = CalculatorPathProblem(files_); !problem.isEmpty()) {
    return FailedRun(RunFailure::kFilesUnusable, problem);
  }
  CalculatorInput input =
      CalculatorInputAt(CalendarRunClock(request), request.place.latitude, request.place.longitude);
  if (auto refused = CarryCoordinates(input)) return std::move(*refused);
  if (!scriptWritten_) {
    if (!WriteScript(files_)) return FailedRun(RunFailure::kNotStarted);
    scriptWritten_ = true;
  }
  if (!WriteParameterFile(files_, input, request.lunations)) {
    return FailedRun(RunFailure::kParameterFileNotWritten);
  }
  return {};
}

void CalendarRun::RunEnded(const RunOutcome& outcome) {
  if (!running_) return;
  // A run that could not even start ends inside Start(); it is reported from
  // the event loop, like the end of a run that did start.
  if (starting_) {
    ReportLater(outcome);
    return;
  }
  Finish(outcome);
}

void CalendarRun::ReportLater(RunOutcome outcome) {
  QTimer::singleShot(0, this, [this, outcome = std::move(outcome), run = generation_] {
    if (running_ && run == generation_) Finish(outcome);
  });
}

void CalendarRun::Finish(RunOutcome outcome) {
  running_ = false;
  emit finished(request_, outcome);
}

void CalendarRun::Stop() {
  running_ = false;
  ++generation_;
  run_.Stop();
}

}  // namespace frontend
