// The header texts the calendar's forms share.
#include <QDateTime>
#include <QTimeZone>
#include <cstdlib>

#include "frontend/birth/civil_calendar.h"
#include "frontend/calendar_export/calendar_export.h"
#include "frontend/places/zone_offset.h"

namespace frontend {

QString ZoneHeading(const CalendarZone& zone, int32_t year) {
  if (!zone.follows()) {
    return UtcOffsetText(zone.fixedOffsetMinutes() * 60) +
           QStringLiteral(" — введено вручную, для всех дат");
  }
  const int64_t from = zone.FirstInstantOf({year, 1, 1});
  const int64_t to = zone.FirstInstantOf({year + 1, 1, 1});
  if (zone.ChangesDuring(from, to)) {
    return zone.name() + QStringLiteral(" — время местное, с переходом на летнее");
  }
  return zone.name() + QStringLiteral(" — время местное, ") + UtcOffsetText(zone.OffsetAt(from));
}

QString CoordinatesText(const Coordinate& latitude, const Coordinate& longitude) {
  // "-0°08'": the side shows where the degrees are 0.
  const auto angle = [](const Coordinate& value) {
    return QStringLiteral("%1°%2'")
        .arg(SignedDegreesText(value))
        .arg(value.minutes, 2, 10, QLatin1Char('0'));
  };
  return angle(latitude) + QLatin1Char(' ') + angle(longitude);
}

QString IsoText(const ZonedInstant& instant) {
  const int32_t offsetMinutes = ZoneMinutesOf(instant.offsetSeconds);
  const QDateTime local =
      QDateTime::fromSecsSinceEpoch(instant.utc + int64_t{offsetMinutes} * 60, Qt::UTC);
  const QDate date = local.date();
  const QTime time = local.time();
  const int32_t size = std::abs(offsetMinutes);
  return QString::asprintf("%04d-%02d-%02dT%02d:%02d:%02d%c%02d:%02d", date.year(), date.month(),
                           date.day(), time.hour(), time.minute(), time.second(),
                           offsetMinutes < 0 ? '-' : '+', size / 60, size % 60);
}

}  // namespace frontend
