// The clock the lunar calendar's dates and times are on: a place's zone from
// the time-zone database, whose offset changes with summer time and with the
// zone's history, or one offset typed by hand for every date. Instants are
// Unix seconds (UTC).
#pragma once

#include <QString>
#include <QTimeZone>
#include <cstdint>
#include <optional>

#include "frontend/birth/civil_calendar.h"
#include "frontend/calculator_run/lunar_day_of_birth.h"

namespace frontend {

// Where the clocks of a zone were changed: the instant, and the local clock
// just before and just after it ("3:00" and "4:00" for an hour forward).
struct ClockChange {
  int64_t atUtc = 0;
  int32_t offsetBefore = 0;  // seconds east of Greenwich
  int32_t offsetAfter = 0;
  bool toSummer = false;  // to summer time
  bool toWinter = false;  // from summer time back to standard time
};

class CalendarZone {
 public:
  // A database zone; an unknown name gives an invalid zone.
  static CalendarZone Following(const QString& zoneName);
  static CalendarZone Fixed(int32_t offsetMinutes);

  bool valid() const { return zone_.isValid(); }
  bool follows() const { return follows_; }
  const QString& name() const { return name_; }  // the database name; empty when fixed
  int32_t fixedOffsetMinutes() const { return fixedMinutes_; }

  // Seconds east of Greenwich in force at `utc`.
  int32_t OffsetAt(int64_t utc) const;
  // The clock reading at `utc`.
  LocalMoment LocalAt(int64_t utc) const;
  // The first instant the clocks showed `date`: its midnight, or the end of
  // the gap when the clocks were put forward over midnight.
  int64_t FirstInstantOf(const CivilDate& date) const;
  // The first change of the clocks in [from, to).
  std::optional<ClockChange> ChangeDuring(int64_t from, int64_t to) const;
  // Whether the clocks change at some time in [from, to).
  bool ChangesDuring(int64_t from, int64_t to) const { return ChangeDuring(from, to).has_value(); }

 private:
  QTimeZone zone_;
  bool follows_ = false;
  QString name_;
  int32_t fixedMinutes_ = 0;
};

// Unix seconds of a moment written in Universal Time, and back.
int64_t UtcSecondsOf(const LocalMoment& utcMoment);
LocalMoment UtcMomentOf(int64_t utcSeconds);

}  // namespace frontend
