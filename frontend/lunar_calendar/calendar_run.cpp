#include "frontend/lunar_calendar/calendar_run.h"

#include <QDateTime>
#include <QTimer>
#include <algorithm>

#include "frontend/birth/birth_date_range.h"
#include "frontend/calculator_run/calculator_paths.h"
#include "frontend/calculator_run/run_preparation.h"
#include "frontend/lunar_calendar/calendar_run_files.h"
#include "frontend/lunar_calendar/lunar_month.h"

namespace frontend {

CalendarPlace CalendarPlaceOf(const BirthData& birth) {
  const bool follows = !birth.zoneName.isEmpty() && CalendarZone::Following(birth.zoneName).valid();
  return {birth.place, follows ? 0 : ZoneOffsetMinutes(birth), follows ? birth.zoneName : QString(),
          birth.latitude, birth.longitude};
}

CalendarZone ZoneOf(const CalendarPlace& place) {
  if (!place.zoneName.isEmpty()) {
    CalendarZone zone = CalendarZone::Following(place.zoneName);
    if (zone.valid()) return zone;
  }
  return CalendarZone::Fixed(place.zoneOffsetMinutes);
}

LocalMoment LocalNowAt(const CalendarPlace& place, const QDateTime& utc) {
  return ZoneOf(place).LocalAt(utc.toSecsSinceEpoch());
}

CalculatorClock CalendarRunClock(const CalendarRunRequest& request) {
  const int64_t first =
      ZoneOf(request.place).FirstInstantOf({request.firstMonth.year, request.firstMonth.month, 1});
  // East of Greenwich the first month's first instant lies in year 99 in
  // Universal Time, which the calculator cannot read; from the start of year
  // 100 its table still begins at the new moon before.
  const LocalMoment earliest{FirstBirthDate().year, 1, 1, 0};
  return CalculatorClockOf(std::max(UtcMomentOf(first), earliest), 0);
}

RunOutcome PrepareCalendarRun(const CalculatorFiles& files, const CalendarRunRequest& request) {
  if (!files.usable()) return FailedRun(RunFailure::kFilesUnusable, files.unusableReason);
  if (QString problem = CalculatorPathProblem(files); !problem.isEmpty()) {
    return FailedRun(RunFailure::kFilesUnusable, problem);
  }
  CalculatorInput input =
      CalculatorInputAt(CalendarRunClock(request), request.place.latitude, request.place.longitude);
  if (auto refused = CarryCoordinates(input)) return std::move(*refused);
  if (!WriteParameterFile(files, input, request.lunations)) {
    return FailedRun(RunFailure::kParameterFileNotWritten);
  }
  return {};
}

std::optional<std::vector<LunarDayInstant>> LunarDayInstantsOf(const CalendarRunRequest& request,
                                                               const RunOutcome& outcome) {
  const auto rows = ReadLunarDayStarts(outcome.table);
  if (!rows) return std::nullopt;
  const CalculatorClock clock = CalendarRunClock(request);
  std::vector<LunarDayInstant> instants;
  instants.reserve(rows->size());
  for (const LunarDayStart& row : *rows) {
    instants.push_back({UtcSecondsOf(LocalClockOf(row.start, clock)), std::stoi(row.lunarDay)});
  }
  return instants;
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
  RunOutcome prepared = PrepareCalendarRun(files_, request);
  if (!prepared.ok()) return prepared;
  if (!scriptWritten_) {
    if (!WriteScript(files_)) return FailedRun(RunFailure::kNotStarted);
    scriptWritten_ = true;
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

RunOutcome CalendarRun::RunAndWait(const CalendarRunRequest& request) {
  if (running_) return FailedRun(RunFailure::kNotStarted);
  RunOutcome failure = Launch(request);
  if (!failure.ok()) return failure;
  // Events handled while waiting must not start a run on the same files.
  running_ = true;
  RunOutcome outcome = RunCalculatorAndWait(files_, waitLimit_);
  running_ = false;
  return outcome;
}

void CalendarRun::Stop() {
  running_ = false;
  ++generation_;
  run_.Stop();
}

}  // namespace frontend
