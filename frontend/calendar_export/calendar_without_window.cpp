#include "frontend/calendar_export/calendar_without_window.h"

#include "frontend/calculator_run/calculator_run.h"
#include "frontend/calculator_run/calculator_setup.h"
#include "frontend/calculator_run/private_directory.h"
#include "frontend/lunar_calendar/lunar_calendar_months.h"

namespace frontend {

CalendarOutcome CalendarWithoutWindow(const QByteArray& program, const CalendarRequest& request) {
  const auto candidates = CalculatorDirectoryCandidates();
  ReclaimAbandonedRunsEverywhere(candidates);
  CalculatorFiles files = SetUpCalculatorFiles(candidates, program);
  // The new moon before the first month's start, a lunation per month and
  // one more, so that the last month's last lunar day has its end.
  const CalendarRunRequest run{request.place, request.firstMonth, request.months + 2};
  RunOutcome outcome = PrepareCalendarRun(files, run);
  if (outcome.ok()) outcome = RunCalculatorAndWait(files);
  if (files.usable()) RemoveCalculatorFiles(files);

  CalendarOutcome result;
  const auto rows = outcome.ok() ? LunarDayInstantsOf(run, outcome) : std::nullopt;
  CalendarExport calendar{request.place.name,
                          request.place.latitude,
                          request.place.longitude,
                          ZoneOf(request.place),
                          {}};
  for (int32_t i = 0; rows && i < request.months; ++i) {
    auto month = LunarMonthOn(calendar.zone, *rows, AddMonths(request.firstMonth, i));
    if (!month) break;
    calendar.months.push_back(std::move(*month));
  }
  if (rows && calendar.months.size() == static_cast<std::size_t>(request.months)) {
    result.calendar = std::move(calendar);
  } else {
    result.failure = CalendarFailureText(outcome);
  }
  return result;
}

}  // namespace frontend
