// The calendar as an iCalendar file: one event per lunar day.
#include <QCryptographicHash>
#include <set>

#include "frontend/calendar_export/calendar_export.h"
#include "frontend/calendar_export/icalendar_writer.h"
#include "frontend/lunar_calendar/calendar_day_lines.h"

namespace frontend {
namespace {

QString JoinedLines(const content::Lines& lines) {
  QStringList joined;
  for (const std::string& line : lines) joined.append(QString::fromStdString(line));
  return joined.join(QLatin1Char('\n'));
}

QString Summary(const LunarDaySpan& lunarDay, DayKind kind) {
  QString summary = QStringLiteral("%1-й лунный день").arg(lunarDay.number);
  if (const QString adjective = KindAdjective(kind); !adjective.isEmpty()) {
    summary += QStringLiteral(" — ") + adjective;
  }
  if (lunarDay.newMoon()) summary += QStringLiteral(", новолуние");
  return summary;
}

QString Description(const CalendarExport& calendar, const LunarDayTexts& texts) {
  QStringList parts;
  if (!texts.verse.empty()) parts.append(JoinedLines(texts.verse));
  if (!texts.goodOrEvil.empty()) {
    parts.append(QStringLiteral("О днях добрых и злых: ") + JoinedLines(texts.goodOrEvil));
  }
  if (!texts.knife.empty()) {
    parts.append(QStringLiteral("Свойства ножа:\n") + JoinedLines(texts.knife));
  }
  parts.append(
      QStringLiteral("Место: %1 %2")
          .arg(calendar.placeName, CoordinatesText(calendar.latitude, calendar.longitude)));
  return parts.join(QStringLiteral("\n\n"));
}

}  // namespace

QString LunarDayUid(const CalendarExport& calendar, const LunarDaySpan& lunarDay) {
  // The place by its name and coordinates; the start to the minute, so that a
  // second's difference between two runs of the calculator keeps the event.
  const QByteArray place = QStringLiteral("%1|%2:%3|%4:%5")
                               .arg(calendar.placeName)
                               .arg(calendar.latitude.degrees)
                               .arg(calendar.latitude.minutes)
                               .arg(calendar.longitude.degrees)
                               .arg(calendar.longitude.minutes)
                               .toUtf8();
  const QString placeKey = QString::fromLatin1(
      QCryptographicHash::hash(place, QCryptographicHash::Sha1).toHex().left(12));
  return QStringLiteral("lunar-day-%1-%2-%3@velunor")
      .arg(lunarDay.number)
      .arg((lunarDay.start.utc + 30) / 60)
      .arg(placeKey);
}

QByteArray CalendarICalendar(const CalendarExport& calendar, const content::ReferenceTables& tables,
                             int64_t stampUtc) {
  CalendarFile file;
  file.name = QStringLiteral("Лунный календарь: ") + calendar.placeName;
  file.stampUtc = stampUtc;
  std::set<int64_t> written;  // starts, for a lunar day on several dates
  for (const LunarMonth& month : calendar.months) {
    for (const CalendarDay& date : month.days) {
      for (const LunarDaySpan& lunarDay : date.lunarDays) {
        if (!written.insert(lunarDay.start.utc).second) continue;
        const LunarDayTexts texts = TextsOfLunarDay(tables, lunarDay.number);
        file.events.push_back({LunarDayUid(calendar, lunarDay), lunarDay.start.utc,
                               lunarDay.end.utc, Summary(lunarDay, KindOfDay(texts.goodOrEvil)),
                               Description(calendar, texts)});
      }
    }
  }
  return ICalendarOf(file);
}

}  // namespace frontend
