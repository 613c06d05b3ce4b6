// The lunar calendar without a window, for the command line: the calculator
// is set up in a private directory, run once for all the months asked for,
// and removed again. The months come out as the page shows them.
#pragma once

#include <QByteArray>
#include <QString>
#include <optional>

#include "frontend/calendar_export/calendar_export.h"
#include "frontend/lunar_calendar/calendar_run.h"

namespace frontend {

struct CalendarRequest {
  CalendarPlace place;
  YearMonth firstMonth;
  int32_t months = 1;  // 1..kMostCalendarMonths
};

// The most months one command computes: one run of the calculator holds at
// most 120 lunations.
inline constexpr int32_t kMostCalendarMonths = 100;

struct CalendarOutcome {
  std::optional<CalendarExport> calendar;
  QString failure;  // in Russian, when there is no calendar
};

// `program` is the calculator's executable. Needs a running QCoreApplication.
CalendarOutcome CalendarWithoutWindow(const QByteArray& program, const CalendarRequest& request);

}  // namespace frontend
