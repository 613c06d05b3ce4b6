#include "frontend/places/zone_note.h"

#include "frontend/places/zone_offset.h"

namespace frontend {
namespace {

QString KindText(ZoneTimeKind kind) {
  switch (kind) {
    case ZoneTimeKind::kSummer:
      return QStringLiteral("летнее время");
    case ZoneTimeKind::kLocalMean:
      return QStringLiteral("местное среднее время");
    case ZoneTimeKind::kStandard:
      break;
  }
  return QStringLiteral("поясное время");
}

// The kind as one word, for the short notes of a skipped local time.
QString ShortKindText(ZoneTimeKind kind) {
  switch (kind) {
    case ZoneTimeKind::kSummer:
      return QStringLiteral("летнее");
    case ZoneTimeKind::kLocalMean:
      return QStringLiteral("среднее");
    case ZoneTimeKind::kStandard:
      break;
  }
  return QStringLiteral("поясное");
}

QString ClockText(QTime time) {
  return time.toString(QStringLiteral("H:mm"));
}

}  // namespace

ZoneNote PlaceZoneNote(const QString& zoneName, QTime time, const LocalZoneTime& zoneTime) {
  const QString kind = KindText(zoneTime.kind);
  // The note gives the offset as the zone box holds it, to the minute; the
  // explanation gives the database's own, which may have seconds.
  const QString offset = UtcOffsetText(ZoneMinutesOf(zoneTime.offsetSeconds) * 60);
  const QString exactOffset = UtcOffsetText(zoneTime.offsetSeconds);
  const QString entered = ClockText(time);
  switch (zoneTime.clock) {
    case LocalClock::kSkipped:
      return {QStringLiteral("%1: %2 не было, взято %3, %4")
                  .arg(zoneName, entered, ShortKindText(zoneTime.kind), offset),
              QStringLiteral("В этот день часы переводили вперед: время от %1 до %2 не "
                             "наступало. Введенное время считается так: %3, %4 (%5).")
                  .arg(ClockText(zoneTime.changeFrom), ClockText(zoneTime.changeTo), kind, offset,
                       zoneName)};
    case LocalClock::kRepeated:
      return {QStringLiteral("%1: %2 дважды, взято первое, %3").arg(zoneName, entered, offset),
              QStringLiteral("В этот день часы переводили назад: время от %1 до %2 было "
                             "дважды. Взято первое из двух: %3, %4 (%5).")
                  .arg(ClockText(zoneTime.changeFrom), ClockText(zoneTime.changeTo), kind, offset,
                       zoneName)};
    case LocalClock::kOnce:
      break;
  }
  QString explanation = QStringLiteral("Разница с Гринвичем по базе часовых поясов: %1, %2, %3.")
                            .arg(zoneName, kind, exactOffset);
  if (zoneTime.kind == ZoneTimeKind::kLocalMean) {
    explanation += QStringLiteral(
        " До введения поясного времени часы шли по среднему солнечному времени города;"
        " в расчет оно идет с точностью до минуты.");
  }
  return {QStringLiteral("%1, %2, %3").arg(zoneName, kind, offset), explanation};
}

ZoneNote HandZoneNote(HandZone reason) {
  const QString untilPick =
      QStringLiteral(" Выберите место в списке, чтобы разница снова бралась из базы.");
  switch (reason) {
    case HandZone::kCoordinatesTyped:
      return {QStringLiteral("координаты введены вручную, разницу введите сами"),
              QStringLiteral("Координаты введены вручную, поэтому часовой пояс места "
                             "неизвестен.") +
                  untilPick};
    case HandZone::kZoneUnknown:
      return {QStringLiteral("пояс места неизвестен, разницу введите сами"),
              QStringLiteral("В базе часовых поясов этой системы нет пояса выбранного места.")};
    case HandZone::kZoneTyped:
      break;
  }
  return {QStringLiteral("разница введена вручную"),
          QStringLiteral("Разница с Гринвичем введена вручную.") + untilPick};
}

}  // namespace frontend
