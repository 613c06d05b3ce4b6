#include "frontend/lunar_calendar/calendar_day_lines.h"

#include "frontend/lunar_calendar/lunar_month.h"

namespace frontend {

QString KindWord(DayKind kind) {
  switch (kind) {
    case DayKind::kGood:
      return QStringLiteral("добр");
    case DayKind::kEvil:
      return QStringLiteral("зол");
    case DayKind::kUnknown:
      break;
  }
  return {};
}

QString KindAdjective(DayKind kind) {
  switch (kind) {
    case DayKind::kGood:
      return QStringLiteral("добрый");
    case DayKind::kEvil:
      return QStringLiteral("злой");
    case DayKind::kUnknown:
      break;
  }
  return {};
}

QString ClockText(const ZonedInstant& instant) {
  return ClockText(instant.local().secondOfDay);
}

QString LunarDayLine(const CalendarDay& date, const LunarDaySpan& lunarDay) {
  const bool begins = date.Begins(lunarDay);
  QString line =
      (lunarDay.newMoon() && begins ? kNewMoonMark : QString()) + QString::number(lunarDay.number);
  if (begins) line += QStringLiteral(" с ") + ClockText(lunarDay.start);
  return line;
}

namespace {

// The local clock just before and just after the change.
std::pair<QString, QString> ClocksAround(const ClockChange& change) {
  const auto clock = [&](int32_t offset) {
    return ClockText(static_cast<int32_t>(((change.atUtc + offset) % 86400 + 86400) % 86400));
  };
  return {clock(change.offsetBefore), clock(change.offsetAfter)};
}

}  // namespace

QString ClockChangeText(const ClockChange& change) {
  const auto [before, after] = ClocksAround(change);
  QString kind = QStringLiteral("часы переведены");
  if (change.toSummer) kind = QStringLiteral("летнее время");
  if (change.toWinter) kind = QStringLiteral("зимнее время");
  return QStringLiteral("%1: %2 → %3").arg(kind, before, after);
}

QString ClockChangeShortText(const ClockChange& change) {
  const auto [before, after] = ClocksAround(change);
  QString kind = QStringLiteral("часы");
  if (change.toSummer) kind = QStringLiteral("летнее");
  if (change.toWinter) kind = QStringLiteral("зимнее");
  return QStringLiteral("%1: %2→%3").arg(kind, before, after);
}

QString FullMoonText(const ZonedInstant& fullMoon) {
  return kFullMoonMark + QStringLiteral(" полнолуние ") + ClockText(fullMoon);
}

QStringList CellLinesOf(const CalendarDay& date, const DayKindOf& kindOf) {
  QStringList lines;
  for (const LunarDaySpan& lunarDay : date.lunarDays) {
    const QString word = KindWord(kindOf ? kindOf(lunarDay.number) : DayKind::kUnknown);
    lines.append(LunarDayLine(date, lunarDay) +
                 (word.isEmpty() ? QString() : QLatin1Char(' ') + word));
  }
  if (date.fullMoon) lines.append(FullMoonText(*date.fullMoon));
  if (date.clockChange) lines.append(ClockChangeShortText(*date.clockChange));
  return lines;
}

}  // namespace frontend
