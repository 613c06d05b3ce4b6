#include "frontend/core/command_line.h"

#include <QRegularExpression>
#include <algorithm>
#include <map>

#include "frontend/core/birth_date_range.h"
#include "frontend/core/place_list.h"

namespace frontend {

namespace {

const QStringList kFlags = {QStringLiteral("--text"), QStringLiteral("--json"),
                            QStringLiteral("--help"), QStringLiteral("-h"),
                            QStringLiteral("--version")};
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

// "53:54", "-33:52" or a whole number of degrees; minutes 0..60.
std::optional<DegreesMinutes> ReadCoordinate(const QString& text, int maxDegrees) {
  static const QRegularExpression pattern(QStringLiteral("^([+-]?)(\\d{1,3})(?::(\\d{1,2}))?$"));
  const QRegularExpressionMatch match = pattern.match(text.trimmed());
  if (!match.hasMatch()) return std::nullopt;
  const bool negative = match.captured(1) == QLatin1String("-");
  const int degrees = match.captured(2).toInt();
  const int minutes = match.captured(3).isEmpty() ? 0 : match.captured(3).toInt();
  if (degrees > maxDegrees || minutes > 60) return std::nullopt;
  // The sign is carried by the degrees, so less than a degree south or west
  // has no form.
  if (negative && degrees == 0 && minutes != 0) return std::nullopt;
  return DegreesMinutes{negative ? -degrees : degrees, minutes};
}

std::optional<Sex> ReadSex(const QString& text) {
  const QString value = text.trimmed().toLower();
  if (value == QLatin1String("m") || value == QStringLiteral("м")) return Sex::kMale;
  if (value == QLatin1String("f") || value == QStringLiteral("ж")) return Sex::kFemale;
  return std::nullopt;
}

// The zone of the birth. Only --zone gives it today; an automatic zone (from
// the place's time-zone rules at the birth moment) belongs here, taking over
// when --zone is absent.
std::optional<int32_t> ZoneOf(const std::map<QString, QString>& values, QString* error) {
  const auto given = values.find(QStringLiteral("--zone"));
  if (given == values.end()) {
    *error = QStringLiteral("Не указана разница с гринвичем: --zone ЧАСЫ (от -12 до 12).");
    return std::nullopt;
  }
  bool number = false;
  const int hours = given->second.trimmed().toInt(&number);
  if (!number || hours < -12 || hours > 12) {
    *error =
        QStringLiteral("--zone «%1»: нужно целое число часов от -12 до 12.").arg(given->second);
    return std::nullopt;
  }
  return hours;
}

// Fills the place and coordinates; false with `error` set.
bool ReadPlace(const std::map<QString, QString>& values, const QStringList& places,
               BirthData& birth, QString* error) {
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
        line > 0 ? ParsePlaceValue(PlaceValue(places, place->second.trimmed())) : std::nullopt;
    if (found) {
      birth.place = PlaceName(places[line]);
      birth.latitude = {found->latitudeDegrees, found->latitudeMinutes};
      birth.longitude = {found->longitudeDegrees, found->longitudeMinutes};
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
    const auto north = ReadCoordinate(latitude->second, 90);
    if (!north) {
      *error = QStringLiteral(
                   "--latitude «%1»: нужны градусы и минуты, например 53:54 (от -90 до 90 "
                   "градусов, минуты от 0 до 60; юг со знаком минус).")
                   .arg(latitude->second);
      return false;
    }
    const auto east = ReadCoordinate(longitude->second, 180);
    if (!east) {
      *error = QStringLiteral(
                   "--longitude «%1»: нужны градусы и минуты, например 27:34 (от -180 до 180 "
                   "градусов, минуты от 0 до 60; запад со знаком минус).")
                   .arg(longitude->second);
      return false;
    }
    birth.latitude = *north;
    birth.longitude = *east;
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

ParsedCommandLine ParseCommandLine(const QStringList& arguments, const QStringList& places) {
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
  for (qsizetype i = 0; i < arguments.size(); ++i) {
    const QString& argument = arguments[i];
    const QString name = OptionName(argument);
    if (name == QLatin1String("--text") || name == QLatin1String("--json")) {
      formats.append(name);
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
  const auto zone = ZoneOf(values, &error);
  if (!zone) return Error(error);
  birth.zoneHours = *zone;
  if (!ReadPlace(values, places, birth, &error)) return Error(error);

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
      "Использование: velunor --text|--json --date ДАТА --time ВРЕМЯ --zone ЧАСЫ\n"
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
      "  --zone ЧАСЫ        разница с гринвичем в часах, от -12 до 12 (Минск: 3)\n"
      "  --place НАЗВАНИЕ   населенный пункт из списка программы, например Минск\n"
      "  --latitude Г:М     широта в градусах и минутах, юг со знаком минус: 53:54\n"
      "  --longitude Г:М    долгота в градусах и минутах, запад со знаком минус: 27:34\n"
      "                     (вместе с --place заменяют координаты места)\n"
      "  --surname, --name, --patronymic   фамилия, имя, отчество\n"
      "  --sex м|ж          пол (также m|f), по умолчанию м\n"
      "  --help, -h         эта справка\n"
      "  --version          версия программы\n"
      "Код завершения: 0 — гороскоп напечатан; 2 — ошибка в параметрах;\n"
      "3 — лунный день не вычислен (остальной гороскоп напечатан).\n"
      "\n"
      "Usage: velunor --text|--json --date DATE --time TIME --zone HOURS\n"
      "               (--place NAME | --latitude D:M --longitude D:M)\n"
      "               [--surname SURNAME] [--name NAME] [--patronymic PATRONYMIC] [--sex m|f]\n"
      "Without options velunor opens its window.\n"
      "\n"
      "Prints the horoscope without a window, with the same calculation as the window.\n"
      "  --text             the horoscope as plain text (UTF-8)\n"
      "  --json             the horoscope as JSON (fields described in README.md)\n"
      "  --date DATE        date of birth: 1990-05-17 or 17.05.1990\n"
      "  --time TIME        local time of birth: 14:30\n"
      "  --zone HOURS       hours east of Greenwich, -12 to 12 (Minsk: 3)\n"
      "  --place NAME       a place from the program's list, e.g. Минск\n"
      "  --latitude D:M     latitude in degrees and minutes, south negative: 53:54\n"
      "  --longitude D:M    longitude in degrees and minutes, west negative: 27:34\n"
      "                     (with --place they replace the place's coordinates)\n"
      "  --surname, --name, --patronymic   surname, first name, patronymic\n"
      "  --sex m|f          sex (also м|ж), male by default\n"
      "  --help, -h         this help\n"
      "  --version          the program's version\n"
      "Exit status: 0 the horoscope was printed; 2 bad options;\n"
      "3 the lunar day could not be calculated (the rest was printed).\n");
}

}  // namespace frontend
