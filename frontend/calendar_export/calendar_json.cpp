// The calendar as JSON: every date with its offset and its lunar days.
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

#include "frontend/calendar_export/calendar_export.h"
#include "frontend/lunar_calendar/calendar_day_lines.h"
#include "frontend/lunar_calendar/old_style_days.h"

namespace frontend {
namespace {

QString DateText(const CivilDate& date) {
  return QString::asprintf("%04d-%02d-%02d", date.year, date.month, date.day);
}

QString KindName(DayKind kind) {
  switch (kind) {
    case DayKind::kGood:
      return QStringLiteral("good");
    case DayKind::kEvil:
      return QStringLiteral("evil");
    case DayKind::kUnknown:
      break;
  }
  return QStringLiteral("unknown");
}

QJsonValue ClockChangeJson(const CalendarDay& date) {
  if (!date.clockChange) return QJsonValue::Null;
  const ClockChange& change = *date.clockChange;
  return QJsonObject{
      {QStringLiteral("at"), IsoText(ZonedInstant{change.atUtc, change.offsetAfter})},
      {QStringLiteral("offsetBeforeSeconds"), change.offsetBefore},
      {QStringLiteral("offsetAfterSeconds"), change.offsetAfter},
      {QStringLiteral("toSummerTime"), change.toSummer},
      {QStringLiteral("toStandardTime"), change.toWinter},
      {QStringLiteral("text"), ClockChangeText(change)}};
}

}  // namespace

QByteArray CalendarJson(const CalendarExport& calendar, const content::ReferenceTables& tables) {
  QJsonArray dates;
  for (const LunarMonth& month : calendar.months) {
    for (const CalendarDay& date : month.days) {
      QJsonArray lunarDays;
      for (const LunarDaySpan& lunarDay : date.lunarDays) {
        const DayKind kind = KindOfDay(TextsOfLunarDay(tables, lunarDay.number).goodOrEvil);
        lunarDays.append(QJsonObject{{QStringLiteral("number"), lunarDay.number},
                                     {QStringLiteral("start"), IsoText(lunarDay.start)},
                                     {QStringLiteral("end"), IsoText(lunarDay.end)},
                                     {QStringLiteral("beginsThisDate"), date.Begins(lunarDay)},
                                     {QStringLiteral("kind"), KindName(kind)},
                                     {QStringLiteral("newMoon"), lunarDay.newMoon()}});
      }
      dates.append(QJsonObject{
          {QStringLiteral("date"), DateText(date.date)},
          {QStringLiteral("weekDay"), date.weekDay},
          {QStringLiteral("offset"), IsoText(date.begins).right(6)},
          {QStringLiteral("offsetSeconds"), date.begins.offsetSeconds},
          {QStringLiteral("begins"), IsoText(date.begins)},
          {QStringLiteral("clockChange"), ClockChangeJson(date)},
          {QStringLiteral("unfavourable"), IsUnfavourableDay(DayNumberOf(date.date))},
          {QStringLiteral("moonLitFraction"), std::round(date.noonPhase.litFraction * 1000) / 1000},
          {QStringLiteral("moonWaxing"), date.noonPhase.waxing},
          {QStringLiteral("fullMoon"),
           date.fullMoon ? QJsonValue(IsoText(*date.fullMoon)) : QJsonValue(QJsonValue::Null)},
          {QStringLiteral("lunarDays"), lunarDays}});
    }
  }
  QJsonObject zone{
      {QStringLiteral("name"),
       calendar.zone.follows() ? QJsonValue(calendar.zone.name()) : QJsonValue(QJsonValue::Null)},
      {QStringLiteral("followsPlace"), calendar.zone.follows()}};
  if (!calendar.zone.follows()) {
    zone.insert(QStringLiteral("offsetMinutes"), calendar.zone.fixedOffsetMinutes());
  }
  const QJsonObject root{
      {QStringLiteral("place"), calendar.placeName},
      {QStringLiteral("latitude"), QStringLiteral("%1:%2")
                                       .arg(calendar.latitude.degrees)
                                       .arg(calendar.latitude.minutes, 2, 10, QLatin1Char('0'))},
      {QStringLiteral("longitude"), QStringLiteral("%1:%2")
                                        .arg(calendar.longitude.degrees)
                                        .arg(calendar.longitude.minutes, 2, 10, QLatin1Char('0'))},
      {QStringLiteral("zone"), zone},
      {QStringLiteral("dates"), dates}};
  return QJsonDocument(root).toJson(QJsonDocument::Indented);
}

}  // namespace frontend
