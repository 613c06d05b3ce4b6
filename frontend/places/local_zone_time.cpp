#include "frontend/places/local_zone_time.h"

#include <QDateTime>
#include <QList>
#include <QRegularExpression>
#include <algorithm>

namespace frontend {
namespace {

// Far more than any offset the database holds (under 16 hours), so every
// moment that shows the local time lies within this many seconds of it.
constexpr qint64 kSearchSeconds = 2 * 24 * 3600;

// The database marks mean time by its abbreviation: "LMT", or the city's mean
// time such as "MMT" (Moscow or Minsk), "CMT", "HMT"; "GMT" is Greenwich's.
bool IsMeanTime(const QString& abbreviation) {
  static const QRegularExpression cityMeanTime(QStringLiteral("^[A-Z]MT$"));
  return abbreviation == QStringLiteral("LMT") ||
         (abbreviation != QStringLiteral("GMT") && cityMeanTime.match(abbreviation).hasMatch());
}

ZoneTimeKind KindAt(const QTimeZone& zone, const QDateTime& utc) {
  if (IsMeanTime(zone.abbreviation(utc))) return ZoneTimeKind::kLocalMean;
  return zone.isDaylightTime(utc) ? ZoneTimeKind::kSummer : ZoneTimeKind::kStandard;
}

QTime ClockAt(const QDateTime& utc, int32_t offsetSeconds) {
  return utc.addSecs(offsetSeconds).time();
}

}  // namespace

LocalZoneTime ZoneAtLocalTime(const QTimeZone& zone, QDate date, QTime time) {
  // The local clock reading as if it were Universal Time; a moment u shows it
  // when u + offset(u) equals it.
  const QDateTime wall(date, time, Qt::UTC);
  const QDateTime from = wall.addSecs(-kSearchSeconds);
  const QDateTime to = wall.addSecs(kSearchSeconds);
  const QTimeZone::OffsetDataList changes = zone.transitions(from, to);

  QList<int32_t> offsets = {zone.offsetFromUtc(from)};
  for (const QTimeZone::OffsetData& change : changes) offsets.append(change.offsetFromUtc);
  QList<QDateTime> moments;  // every moment that shows the local time
  for (const int32_t offset : offsets) {
    const QDateTime moment = wall.addSecs(-offset);
    if (zone.offsetFromUtc(moment) == offset && !moments.contains(moment)) moments.append(moment);
  }
  std::sort(moments.begin(), moments.end());

  LocalZoneTime result;
  if (!moments.isEmpty()) {
    const QDateTime& first = moments.front();
    result.offsetSeconds = zone.offsetFromUtc(first);
    result.kind = KindAt(zone, first);
    if (moments.size() > 1) {
      result.clock = LocalClock::kRepeated;
      // The change back comes after the first moment and by the second.
      for (const QTimeZone::OffsetData& change : changes) {
        if (change.atUtc > first && change.atUtc <= moments.back()) {
          result.changeFrom = ClockAt(change.atUtc, change.offsetFromUtc);
          result.changeTo = ClockAt(change.atUtc, result.offsetSeconds);
          break;
        }
      }
    }
    return result;
  }
  // No moment shows it: the change forward whose gap holds the local time.
  result.clock = LocalClock::kSkipped;
  result.offsetSeconds = zone.offsetFromUtc(wall);
  for (const QTimeZone::OffsetData& change : changes) {
    const int32_t before = zone.offsetFromUtc(change.atUtc.addSecs(-1));
    const QDateTime gapStart = change.atUtc.addSecs(before);
    const QDateTime gapEnd = change.atUtc.addSecs(change.offsetFromUtc);
    if (gapStart <= wall && wall < gapEnd) {
      result.offsetSeconds = change.offsetFromUtc;
      result.kind = KindAt(zone, change.atUtc);
      result.changeFrom = gapStart.time();
      result.changeTo = gapEnd.time();
      break;
    }
  }
  return result;
}

}  // namespace frontend
