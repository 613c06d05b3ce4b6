#include "frontend/command_line/calendar_command.h"

#include <QRegularExpression>

#include "frontend/lunar_calendar/lunar_calendar_months.h"
#include "frontend/places/zone_offset.h"

namespace frontend {
namespace {

QString MonthText(const YearMonth& month) {
  return QString::asprintf("%04d-%02d", month.year, month.month);
}

std::optional<YearMonth> ReadMonth(const QString& text) {
  static const QRegularExpression pattern(QStringLiteral("^(\\d{3,4})-(\\d{1,2})$"));
  const QRegularExpressionMatch match = pattern.match(text.trimmed());
  if (!match.hasMatch()) return std::nullopt;
  const YearMonth month{match.captured(1).toInt(), match.captured(2).toInt()};
  if (month.month < 1 || month.month > 12) return std::nullopt;
  return month;
}

// The options of a horoscope that a calendar does not take.
constexpr const char* kBirthOnly[] = {"--date", "--time",       "--surname",
                                      "--name", "--patronymic", "--sex"};

}  // namespace

ParsedCommandLine ParseCalendarCommand(const GivenOptions& given, const QStringList& places,
                                       const QStringList& placeZones,
                                       const std::function<const Atlas*()>& atlas) {
  const auto monthText = given.value("--calendar");
  if (!monthText) {
    return CommandLineError(QStringLiteral(
        "--months и --ics относятся к лунному календарю: укажите месяц --calendar ГГГГ-ММ."));
  }
  for (const char* option : kBirthOnly) {
    if (given.value(option)) {
      return CommandLineError(QStringLiteral("%1 относится к гороскопу, а не к лунному календарю "
                                             "(--calendar); уберите его.")
                                  .arg(QLatin1String(option)));
    }
  }
  CalendarCommand command;
  const int formats = int{given.has("--text")} + int{given.has("--json")} + int{given.has("--ics")};
  if (formats != 1) {
    return CommandLineError(
        formats == 0 ? QStringLiteral("Укажите, как вывести календарь: --text, --json или --ics.")
                     : QStringLiteral("Укажите только одно из --text, --json и --ics."));
  }
  command.format = given.has("--json")  ? CalendarFormat::kJson
                   : given.has("--ics") ? CalendarFormat::kICalendar
                                        : CalendarFormat::kText;

  const QString range = QStringLiteral("от %1 до %2")
                            .arg(MonthText(FirstCalendarMonth()), MonthText(LastCalendarMonth()));
  const auto first = ReadMonth(*monthText);
  if (!first) {
    return CommandLineError(
        QStringLiteral("--calendar «%1»: нужен месяц вида 2026-12 (год, дефис, месяц 1–12).")
            .arg(*monthText));
  }
  if (*first < FirstCalendarMonth() || *first > LastCalendarMonth()) {
    return CommandLineError(QStringLiteral("--calendar «%1»: календарь считается для месяцев %2.")
                                .arg(*monthText, range));
  }
  int32_t months = 1;
  if (const auto count = given.value("--months")) {
    bool number = false;
    months = count->trimmed().toInt(&number);
    if (!number || months < 1 || months > kMostCalendarMonths) {
      return CommandLineError(QStringLiteral("--months «%1»: нужно число месяцев от 1 до %2.")
                                  .arg(*count)
                                  .arg(kMostCalendarMonths));
    }
    if (AddMonths(*first, months - 1) > LastCalendarMonth()) {
      return CommandLineError(
          QStringLiteral("--months «%1»: календарь считается для месяцев %2.").arg(*count, range));
    }
  }

  BirthData place;
  std::optional<QString> placeZone;
  QString notice;  // several places of the name: the best is taken, as for a birth
  QString error;
  if (!ReadPlace(given, places, placeZones, atlas, place, &placeZone, &notice, &error)) {
    error.replace(QStringLiteral("место рождения"), QStringLiteral("место"));
    return CommandLineError(error);
  }
  CalendarPlace calendarPlace{place.place, 0, {}, place.latitude, place.longitude};
  QString zoneError;
  if (const auto typed = ReadTypedZone(given, &zoneError)) {
    calendarPlace.zoneOffsetMinutes = *typed;
  } else if (!zoneError.isEmpty()) {
    return CommandLineError(zoneError);
  } else {
    const QString name = placeZone.value_or(QString());
    if (name.isEmpty() || !CalendarZone::Following(name).valid()) {
      return CommandLineError(
          !placeZone
              ? QStringLiteral("Часовой пояс берется у места из списка или атласа программы: "
                               "укажите --place НАЗВАНИЕ или разницу с гринвичем --zone "
                               "ЧАСЫ[:МИН] для всех дат.")
              : QStringLiteral("Часовой пояс места «%1» неизвестен этой системе; "
                               "укажите разницу с гринвичем: --zone ЧАСЫ[:МИН].")
                    .arg(place.place));
    }
    calendarPlace.zoneName = name;
  }
  command.request = {calendarPlace, *first, months};
  ParsedCommandLine parsed;
  parsed.calendar = command;
  parsed.notice = notice;
  return parsed;
}

}  // namespace frontend
