// Which offset from Greenwich a place's time zone had at a local clock time,
// from the system's time-zone database.
#pragma once

#include <QDate>
#include <QString>
#include <QTime>
#include <QTimeZone>
#include <cstdint>

namespace frontend {

// What the clocks of the zone did at that local time.
enum class LocalClock {
  kOnce,      // the time was shown once
  kSkipped,   // clocks were put forward over it: the time never showed
  kRepeated,  // clocks were put back over it: the time showed twice
};

enum class ZoneTimeKind {
  kStandard,   // the zone's standard time
  kSummer,     // summer (daylight saving) time
  kLocalMean,  // mean solar time of the zone's city, before standard time
};

struct LocalZoneTime {
  int32_t offsetSeconds = 0;  // east of Greenwich, the one the calculation takes
  ZoneTimeKind kind = ZoneTimeKind::kStandard;
  LocalClock clock = LocalClock::kOnce;
  // For a skipped or repeated time: the local clock times where the skipped or
  // repeated stretch begins and ends (2:00 and 3:00 for an hour put forward at
  // 2:00, and for an hour put back at 3:00).
  QTime changeFrom;
  QTime changeTo;
};

// The offset in force at local `date` `time` in `zone`. A repeated time is
// taken as the earlier of its two moments (the offset before the clocks went
// back); a skipped time is taken with the offset the clocks were put forward
// to (summer time, for a change to summer time).
LocalZoneTime ZoneAtLocalTime(const QTimeZone& zone, QDate date, QTime time);

}  // namespace frontend
