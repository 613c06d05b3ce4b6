#include "frontend/lunar_calendar/calendar_zone.h"

#include <QDateTime>
#include <algorithm>

#include "frontend/lunar_calendar/lunar_month.h"

namespace frontend {
namespace {

// The Julian day number of 1 January 1970, where Unix seconds start.
constexpr int64_t kUnixEpochDay = 2440588;
constexpr int64_t kSecondsPerDay = 86400;
// Further than any offset of the database (under 16 hours) and any gap.
constexpr int64_t kSearchSeconds = 2 * kSecondsPerDay;

QDateTime UtcDateTime(int64_t utc) {
  return QDateTime::fromSecsSinceEpoch(utc, Qt::UTC);
}

}  // namespace

int64_t UtcSecondsOf(const LocalMoment& utcMoment) {
  return SecondsOf(utcMoment) - kUnixEpochDay * kSecondsPerDay;
}

LocalMoment UtcMomentOf(int64_t utcSeconds) {
  return MomentOf(utcSeconds + kUnixEpochDay * kSecondsPerDay);
}

CalendarZone CalendarZone::Following(const QString& zoneName) {
  CalendarZone zone;
  zone.zone_ = QTimeZone(zoneName.toUtf8());
  zone.follows_ = true;
  zone.name_ = zoneName;
  return zone;
}

CalendarZone CalendarZone::Fixed(int32_t offsetMinutes) {
  CalendarZone zone;
  zone.zone_ = QTimeZone(offsetMinutes * 60);
  zone.fixedMinutes_ = offsetMinutes;
  return zone;
}

int32_t CalendarZone::OffsetAt(int64_t utc) const {
  if (!follows_) return fixedMinutes_ * 60;
  return zone_.offsetFromUtc(UtcDateTime(utc));
}

LocalMoment CalendarZone::LocalAt(int64_t utc) const {
  return UtcMomentOf(utc + OffsetAt(utc));
}

int64_t CalendarZone::FirstInstantOf(const CivilDate& date) const {
  // Midnight read as if it were Universal Time; an instant u shows it when
  // u + offset(u) equals it.
  const int64_t wall = UtcSecondsOf({date.year, date.month, date.day, 0});
  if (!follows_) return wall - fixedMinutes_ * 60;
  std::optional<int64_t> first;
  for (const int32_t offset :
       {OffsetAt(wall - kSearchSeconds), OffsetAt(wall + kSearchSeconds), OffsetAt(wall)}) {
    const int64_t candidate = wall - offset;
    if (OffsetAt(candidate) == offset) first = std::min(first.value_or(candidate), candidate);
  }
  if (first) return *first;
  // Midnight was skipped: the date began where the clocks were put forward.
  const auto change = ChangeDuring(wall - kSearchSeconds, wall + kSearchSeconds);
  return change ? change->atUtc : wall - OffsetAt(wall);
}

std::optional<ClockChange> CalendarZone::ChangeDuring(int64_t from, int64_t to) const {
  if (!follows_ || from >= to) return std::nullopt;
  // nextTransition() gives the first change strictly after its argument.
  for (QTimeZone::OffsetData next = zone_.nextTransition(UtcDateTime(from - 1));
       next.atUtc.isValid() && next.atUtc.toSecsSinceEpoch() < to;
       next = zone_.nextTransition(next.atUtc)) {
    const int64_t at = next.atUtc.toSecsSinceEpoch();
    const int32_t before = OffsetAt(at - 1);
    // The database also lists changes of name or kind alone; only a moved
    // clock counts here.
    if (before == next.offsetFromUtc) continue;
    ClockChange change;
    change.atUtc = at;
    change.offsetBefore = before;
    change.offsetAfter = next.offsetFromUtc;
    const bool summerBefore = zone_.isDaylightTime(UtcDateTime(at - 1));
    const bool summerAfter = next.daylightTimeOffset != 0;
    change.toSummer = summerAfter && !summerBefore;
    change.toWinter = summerBefore && !summerAfter;
    return change;
  }
  return std::nullopt;
}

}  // namespace frontend
