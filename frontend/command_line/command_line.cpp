#include "frontend/command_line/command_line.h"

#include <QRegularExpression>
#include <QTimeZone>
#include <algorithm>
#include <map>

#include "frontend/birth/birth_date_range.h"
#include "frontend/places/local_zone_time.h"
#include "frontend/places/place_list.h"
#include "frontend/places/zone_offset.h"

namespace frontend {

namespace {

const QStringList kFlags = {QStringLiteral("--text"),      QStringLiteral("--json"),
                            QStringLiteral("--auto-zone"), QStringLiteral("--help"),
                            QStringLiteral("-h"),          QStringLiteral("--version")};
const QStringList kValueOptions = {QStringLiteral("--date"),       QStringLiteral("--time"),
                                   QStringLiteral("--zone"),       QStringLiteral("--place"),
                                   QStringLiteral("--latitude"),   QStringLiteral("--longitude"),
                                   QStringLiteral("--surname"),    QStringLiteral("--name"),
                                   QStringLiteral("--patronymic"), QStringLiteral("--sex")};

// Options of Qt's own that a window program takes (also written with "--").
const QStringList kWindowSystemOptions = {QStringLiteral("platform"),
                                          QStringLiteral("platformpluginpath"),
                                          QStringLiteral("platformtheme"),
                                          QStringLiteral("plugin"),
                                          QStringLiteral("qwindowgeometry"),
                                          QStringLiteral("qwindowicon"),
                                          QStringLiteral("qwindowtitle"),
                                          QStringLiteral("reverse"),
                                          QStringLiteral("session"),
                                          QStringLiteral("style"),
                                          QStringLiteral("stylesheet"),
                                          QStringLiteral("widgetcount"),
                                          QStringLiteral("display"),
                                          QStringLiteral("geometry"),
                                          QStringLiteral("title"),
                                          QStringLiteral("visual"),
                                          QStringLiteral("font"),
                                          QStringLiteral("nograb"),
                                          QStringLiteral("dograb"),
                                          QStringLiteral("sync"),
                                          QStringLiteral("qmljsdebugger")};

QString OptionName(const QString& argument) {
  return argument.section(QLatin1Char('='), 0, 0);
}

ParsedCommandLine Error(const QString& text) {
  ParsedCommandLine parsed;
  parsed.error = text;
  return parsed;
}

std::optional<QDate> ReadDate(const QString& text) {
  for (const QString& format : {QStringLiteral("yyyy-MM-dd"), QStringLiteral("d.M.yyyy")}) {
    const QDate date = QDate::fromString(text, format);
    if (date.isValid()) return date;
  }
  return std::nullopt;
}

std::optional<QTime> ReadTime(const QString& text) {
  for (const QString& format : {QStringLiteral("H:mm"), QStringLiteral("H:mm:ss")}) {
    const QTime time = QTime::fromString(text, format);
    if (time.isValid()) return time;
  }
  return std::nullopt;
}

// "53:54", "-0:13" or a whole number of degrees, within the axis's range;
// false with `error` set.
bool ReadCoordinate(const QString& option, const QString& text, CoordinateAxis axis,
                    Coordinate* value, QString* error) {
  const auto read = ReadCoordinateText(text);
  if (!read) {
    *error = axis == CoordinateAxis::kLatitude
                 ? QStringLiteral(
                       "--latitude «%1»: нужны градусы и минуты, например 53:54 (от "
                       "-90 до 90 градусов, минуты от 0 до 60; юг со знаком минус, "
                       "также -0:10).")
                       .arg(text)
                 : QStringLiteral(
                       "--longitude «%1»: нужны градусы и минуты, например 27:34 (от "
                       "-180 до 180 градусов, минуты от 0 до 60; запад со знаком минус, "
                       "также -0:08).")
                       .arg(text);
    return false;
  }
  if (!WithinRange(*read, axis)) {
    *error = QStringLiteral("%1 «%2»: %3").arg(option, text, OutOfRangeText(*read, axis));
    return false;
  }
  *value = *read;
  return true;
}

std::optional<Sex> ReadSex(const QString& text) {
  const QString value = text.trimmed().toLower();
  if (value == QLatin1String("m") || value == QStringLiteral("м")) return Sex::kMale;
  if (value == QLatin1String("f") || value == QStringLiteral("ж")) return Sex::kFemale;
  return std::nullopt;
}

// The zone of the birth, as the window takes it: --zone as the zone box reads
// it, or else (and with --auto-zone) the offset the time-zone database gives
// the place of line `placeLine` of the list at the local date and time of
// birth, with the zone's name. False with `error` set.
bool ReadZone(const std::map<QString, QString>& values, bool autoZone, qsizetype placeLine,
              const QStringList& placeZones, BirthData& birth, QString* error) {
  const auto given = values.find(QStringLiteral("--zone"));
  if (given != values.end()) {
    if (autoZone) {
      *error = QStringLiteral("Укажите только одно из --zone и --auto-zone.");
      return false;
    }
    const auto minutes = ReadZoneOffset(given->second);
    if (!minutes || *minutes < kFirstZoneMinutes || *minutes > kLastZoneMinutes) {
      *error = QStringLiteral(
                   "--zone «%1»: нужна разница с гринвичем от -12 до +14: целые часы (3), часы и "
                   "минуты (5:30, -3:30) или часы с дробью (5,5).")
                   .arg(given->second);
      return false;
    }
    SetZoneOffsetMinutes(birth, *minutes);
    return true;
  }
  const QString name =
      placeLine >= 0 && placeLine < placeZones.size() ? placeZones[placeLine] : QString();
  const QTimeZone zone = name.isEmpty() ? QTimeZone() : QTimeZone(name.toUtf8());
  if (!zone.isValid()) {
    if (placeLine < 0) {
      *error = autoZone ? QStringLiteral(
                              "--auto-zone берет часовой пояс места из списка программы: укажите "
                              "--place НАЗВАНИЕ из списка или разницу с гринвичем --zone.")
                        : QStringLiteral(
                              "Не указана разница с гринвичем: --zone ЧАСЫ или ЧАСЫ:МИНУТЫ (от "
                              "-12 до +14), или --place из списка программы, чтобы взять "
                              "часовой пояс места.");
    } else {
      *error = QStringLiteral(
                   "Часовой пояс места «%1» неизвестен этой системе; укажите разницу с "
                   "гринвичем: --zone ЧАСЫ или ЧАСЫ:МИНУТЫ.")
                   .arg(birth.place);
    }
    return false;
  }
  const LocalZoneTime local = ZoneAtLocalTime(zone, birth.date, birth.time);
  SetZoneOffsetMinutes(
      birth, std::clamp(ZoneMinutesOf(local.offsetSeconds), kFirstZoneMinutes, kLastZoneMinutes));
  birth.zoneName = name;
  return true;
}

// Fills the place and coordinates, and `placeLine` with the place's line of
// the list (-1 when none); false with `error` set.
bool ReadPlace(const std::map<QString, QString>& values, const QStringList& places,
               BirthData& birth, qsizetype* placeLine, QString* error) {
  *placeLine = -1;
  const auto place = values.find(QStringLiteral("--place"));
  const auto latitude = values.find(QStringLiteral("--latitude"));
  const auto longitude = values.find(QStringLiteral("--longitude"));
  const bool coordinates = latitude != values.end() || longitude != values.end();
  if (coordinates && (latitude == values.end() || longitude == values.end())) {
    *error = QStringLiteral("Нужны обе координаты: --latitude и --longitude.");
    return false;
  }
  if (place == values.end() && !coordinates) {
    *error =
        QStringLiteral("Не указано место рождения: --place НАЗВАНИЕ или --latitude и --longitude.");
    return false;
  }
  if (place != values.end()) {
    const qsizetype line = FindPlace(places, place->second.trimmed());
    const auto found =
        line >= 0 ? ParsePlaceValue(PlaceValue(places, place->second.trimmed())) : std::nullopt;
    if (found) {
      *placeLine = line;
      birth.place = PlaceName(places[line]);
      birth.latitude = found->latitude;
      birth.longitude = found->longitude;
    } else if (!coordinates) {
      *error = QStringLiteral(
                   "Населенный пункт «%1» не найден в списке программы; укажите его координаты: "
                   "--latitude и --longitude.")
                   .arg(place->second);
      return false;
    } else {
      birth.place = place->second.trimmed();
    }
  }
  if (coordinates) {
    Coordinate north;
    Coordinate east;
    if (!ReadCoordinate(latitude->first, latitude->second, CoordinateAxis::kLatitude, &north,
                        error) ||
        !ReadCoordinate(longitude->first, longitude->second, CoordinateAxis::kLongitude, &east,
                        error)) {
      return false;
    }
    // A listed place keeps its name only while these are its coordinates.
    if (*placeLine >= 0 && (north != birth.latitude || east != birth.longitude)) {
      birth.place.clear();
    }
    birth.latitude = north;
    birth.longitude = east;
  }
  return true;
}

}  // namespace

bool WantsCommandLine(const QStringList& arguments) {
  return std::any_of(arguments.begin(), arguments.end(), [](const QString& argument) {
    const QString name = OptionName(argument);
    if (kFlags.contains(name) || kValueOptions.contains(name)) return true;
    // Any other long option is a mistyped one of ours, reported as such,
    // unless Qt takes it.
    return name.startsWith(QLatin1String("--")) && name.size() > 2 &&
           !kWindowSystemOptions.contains(name.mid(2));
  });
}

ParsedCommandLine ParseCommandLine(const QStringList& arguments, const QStringList& places,
                                   const QStringList& placeZones) {
  // Asked for, the help is given whatever else is wrong.
  for (const QString& argument : arguments) {
    if (argument == QLatin1String("--help") || argument == QLatin1String("-h")) {
      ParsedCommandLine parsed;
      parsed.help = true;
      return parsed;
    }
  }
  if (arguments.contains(QLatin1String("--version"))) {
    ParsedCommandLine parsed;
    parsed.version = true;
    return parsed;
  }
  std::map<QString, QString> values;
  QStringList formats;
  bool autoZone = false;
  for (qsizetype i = 0; i < arguments.size(); ++i) {
    const QString& argument = arguments[i];
    const QString name = OptionName(argument);
    if (name == QLatin1String("--text") || name == QLatin1String("--json")) {
      formats.append(name);
      continue;
    }
    if (argument == QLatin1String("--auto-zone")) {
      autoZone = true;
      continue;
    }
    if (!kValueOptions.contains(name)) {
      return Error(QStringLiteral("Неизвестный параметр «%1». Список параметров: velunor --help.")
                       .arg(argument));
    }
    QString value;
    if (argument.contains(QLatin1Char('='))) {
      value = argument.section(QLatin1Char('='), 1);
    } else if (i + 1 < arguments.size()) {
      value = arguments[++i];
    } else {
      return Error(QStringLiteral("После %1 не хватает значения.").arg(name));
    }
    if (values.count(name) != 0) {
      return Error(QStringLiteral("Параметр %1 указан дважды.").arg(name));
    }
    values[name] = value;
  }
  if (formats.size() != 1) {
    return Error(formats.isEmpty()
                     ? QStringLiteral("Укажите, как вывести гороскоп: --text или --json.")
                     : QStringLiteral("Укажите только одно из --text и --json."));
  }

  CommandLineRequest request;
  request.format =
      formats.front() == QLatin1String("--json") ? HoroscopeFormat::kJson : HoroscopeFormat::kText;
  BirthData& birth = request.birth;

  const auto date = values.find(QStringLiteral("--date"));
  if (date == values.end()) {
    return Error(QStringLiteral("Не указана дата рождения: --date ГГГГ-ММ-ДД."));
  }
  const auto day = ReadDate(date->second.trimmed());
  if (!day) {
    return Error(QStringLiteral("--date «%1»: нужна дата вида 1990-05-17 или 17.05.1990.")
                     .arg(date->second));
  }
  if (*day < FirstBirthDate() || *day > LastBirthDate()) {
    return Error(QStringLiteral("--date «%1»: программа считает даты от %2 до %3.")
                     .arg(date->second, FirstBirthDate().toString(QStringLiteral("dd.MM.yyyy")),
                          LastBirthDate().toString(QStringLiteral("dd.MM.yyyy"))));
  }
  birth.date = *day;

  const auto time = values.find(QStringLiteral("--time"));
  if (time == values.end()) {
    return Error(QStringLiteral("Не указано время рождения: --time ЧЧ:ММ."));
  }
  const auto clock = ReadTime(time->second.trimmed());
  if (!clock) {
    return Error(QStringLiteral("--time «%1»: нужно время вида 14:30 (часы 0–23, минуты 0–59).")
                     .arg(time->second));
  }
  birth.time = *clock;

  QString error;
  qsizetype placeLine = -1;
  if (!ReadPlace(values, places, birth, &placeLine, &error)) return Error(error);
  // After the place: without --zone the zone is the place's.
  if (!ReadZone(values, autoZone, placeLine, placeZones, birth, &error)) return Error(error);

  if (const auto sex = values.find(QStringLiteral("--sex")); sex != values.end()) {
    const auto read = ReadSex(sex->second);
    if (!read)
      return Error(QStringLiteral("--sex «%1»: нужно m или f (м или ж).").arg(sex->second));
    birth.sex = *read;
  }
  const auto text = [&](const char* option) {
    const auto found = values.find(QString::fromLatin1(option));
    return found == values.end() ? QString() : found->second;
  };
  birth.surname = text("--surname");
  birth.firstName = text("--name");
  birth.patronymic = text("--patronymic");

  ParsedCommandLine parsed;
  parsed.request = request;
  return parsed;
}

QString CommandLineHelp() {
  return QStringLiteral(
      "Использование: velunor --text|--json --date ДАТА --time ВРЕМЯ\n"
      "                       [--zone ЧАСЫ[:МИН] | --auto-zone]\n"
      "                       (--place НАЗВАНИЕ | --latitude Г:М --longitude Г:М)\n"
      "                       [--surname ФАМИЛИЯ] [--name ИМЯ] [--patronymic ОТЧЕСТВО] [--sex "
      "м|ж]\n"
      "Без параметров velunor открывает окно программы.\n"
      "\n"
      "Печатает гороскоп без окна, тем же расчетом, что и окно.\n"
      "  --text             гороскоп простым текстом (UTF-8)\n"
      "  --json             гороскоп в JSON (поля описаны в README.md)\n"
      "  --date ДАТА        дата рождения: 1990-05-17 или 17.05.1990\n"
      "  --time ВРЕМЯ       местное время рождения: 14:30\n"
      "  --zone ЧАСЫ[:МИН]  разница с гринвичем, от -12 до +14: часы (Минск: 3), часы\n"
      "                     и минуты (5:30, -3:30) или часы с дробью (5,5)\n"
      "  --auto-zone        разница с гринвичем из часового пояса места (--place из\n"
      "                     списка) на местные дату и время рождения, летнее время\n"
      "                     учтено; так же, когда --zone не указана. Время, которого\n"
      "                     не было (часы переведены вперед), считается летним;\n"
      "                     бывшее дважды (часы переведены назад) — первым из двух\n"
      "  --place НАЗВАНИЕ   населенный пункт из списка программы, например Минск\n"
      "  --latitude Г:М     широта в градусах и минутах, юг со знаком минус: 53:54\n"
      "  --longitude Г:М    долгота в градусах и минутах, запад со знаком минус: 27:34\n"
      "                     (вместе с --place заменяют координаты места, но не его\n"
      "                     часовой пояс)\n"
      "  --surname, --name, --patronymic   фамилия, имя, отчество\n"
      "  --sex м|ж          пол (также m|f), по умолчанию м\n"
      "  --help, -h         эта справка\n"
      "  --version          версия программы\n"
      "Код завершения: 0 — гороскоп напечатан; 2 — ошибка в параметрах;\n"
      "3 — лунный день не вычислен (остальной гороскоп напечатан).\n"
      "\n"
      "Usage: velunor --text|--json --date DATE --time TIME\n"
      "               [--zone HOURS[:MIN] | --auto-zone]\n"
      "               (--place NAME | --latitude D:M --longitude D:M)\n"
      "               [--surname SURNAME] [--name NAME] [--patronymic PATRONYMIC] [--sex m|f]\n"
      "Without options velunor opens its window.\n"
      "\n"
      "Prints the horoscope without a window, with the same calculation as the window.\n"
      "  --text             the horoscope as plain text (UTF-8)\n"
      "  --json             the horoscope as JSON (fields described in README.md)\n"
      "  --date DATE        date of birth: 1990-05-17 or 17.05.1990\n"
      "  --time TIME        local time of birth: 14:30\n"
      "  --zone HOURS[:MIN] offset east of Greenwich, -12 to +14: hours (Minsk: 3),\n"
      "                     hours and minutes (5:30, -3:30) or decimal hours (5,5)\n"
      "  --auto-zone        the offset from the time zone of the place (--place from\n"
      "                     the list) at the local date and time of birth, summer\n"
      "                     time included; also when --zone is not given. A time the\n"
      "                     clocks skipped counts as summer time; one they showed\n"
      "                     twice, as the earlier of the two\n"
      "  --place NAME       a place from the program's list, e.g. Минск\n"
      "  --latitude D:M     latitude in degrees and minutes, south negative: 53:54\n"
      "  --longitude D:M    longitude in degrees and minutes, west negative: 27:34\n"
      "                     (with --place they replace the place's coordinates, not\n"
      "                     its time zone)\n"
      "  --surname, --name, --patronymic   surname, first name, patronymic\n"
      "  --sex m|f          sex (also м|ж), male by default\n"
      "  --help, -h         this help\n"
      "  --version          the program's version\n"
      "Exit status: 0 the horoscope was printed; 2 bad options;\n"
      "3 the lunar day could not be calculated (the rest was printed).\n");
}

}  // namespace frontend
