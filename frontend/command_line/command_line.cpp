#include "frontend/command_line/command_line.h"

#include <QRegularExpression>
#include <QTimeZone>
#include <algorithm>
#include <cstdlib>

#include "frontend/birth/birth_date_range.h"
#include "frontend/birth/typed_date.h"
#include "frontend/command_line/atlas_place_option.h"
#include "frontend/command_line/calendar_command.h"
#include "frontend/command_line/command_line_options.h"
#include "frontend/places/local_zone_time.h"
#include "frontend/places/place_list.h"
#include "frontend/places/zone_offset.h"

namespace frontend {

namespace {

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
// the place (its database zone `placeZone`; empty when the place is not from
// the list or the atlas) at the local date and time of birth, with the zone's
// name. False with `error` set.
bool ReadZone(const GivenOptions& given, const std::optional<QString>& placeZone, BirthData& birth,
              QString* error) {
  const bool autoZone = given.has("--auto-zone");
  if (const auto typed = ReadTypedZone(given, error)) {
    SetZoneOffsetMinutes(birth, *typed);
    return true;
  }
  if (!error->isEmpty()) return false;
  const QString name = placeZone.value_or(QString());
  const QTimeZone zone = name.isEmpty() ? QTimeZone() : QTimeZone(name.toUtf8());
  if (!zone.isValid()) {
    if (!placeZone) {
      *error = autoZone
                   ? QStringLiteral(
                         "--auto-zone берет часовой пояс места из списка или атласа программы: "
                         "укажите --place НАЗВАНИЕ или разницу с Гринвичем --zone.")
                   : QStringLiteral(
                         "Не указана разница с Гринвичем: --zone ЧАСЫ или ЧАСЫ:МИНУТЫ (от "
                         "-12 до +14), или --place НАЗВАНИЕ, чтобы взять "
                         "часовой пояс места.");
    } else {
      *error = QStringLiteral(
                   "Часовой пояс места «%1» неизвестен этой системе; укажите разницу с "
                   "Гринвичем: --zone ЧАСЫ или ЧАСЫ:МИНУТЫ.")
                   .arg(birth.place);
    }
    return false;
  }
  const LocalZoneTime local = ZoneAtLocalTime(zone, DayOf(birth.date), birth.time);
  SetZoneOffsetMinutes(
      birth, std::clamp(ZoneMinutesOf(local.offsetSeconds), kFirstZoneMinutes, kLastZoneMinutes));
  birth.zoneName = name;
  return true;
}

}  // namespace

bool ReadPlace(const GivenOptions& given, const QStringList& places, const QStringList& placeZones,
               const std::function<const Atlas*()>& atlas, BirthData& birth,
               std::optional<QString>* placeZone, QString* notice, QString* error) {
  const auto place = given.value("--place");
  const auto latitude = given.value("--latitude");
  const auto longitude = given.value("--longitude");
  const bool coordinates = latitude || longitude;
  if (coordinates && !(latitude && longitude)) {
    *error = QStringLiteral("Нужны обе координаты: --latitude и --longitude.");
    return false;
  }
  if (!place && !coordinates) {
    *error =
        QStringLiteral("Не указано место рождения: --place НАЗВАНИЕ или --latitude и --longitude.");
    return false;
  }
  bool placeFound = false;
  if (place) {
    // The list's own places first, as its drop-down gives them; then every
    // name of every place of the atlas.
    const qsizetype line = FindPlace(places, place->trimmed());
    const auto listed =
        line >= 0 ? ParsePlaceValue(PlaceValue(places, place->trimmed())) : std::nullopt;
    const Atlas* searched = listed || !atlas ? nullptr : atlas();
    const auto named = searched != nullptr ? PlaceNamed(*searched, *place) : std::nullopt;
    placeFound = listed || named;
    if (listed) {
      *placeZone = line < placeZones.size() ? placeZones[line] : QString();
      birth.place = PlaceName(places[line]);
      birth.latitude = listed->latitude;
      birth.longitude = listed->longitude;
    } else if (named) {
      *placeZone = named->place.zone;
      birth.place = named->place.name;
      birth.latitude = CoordinateFromArcMinutes(named->place.latitudeMinutes);
      birth.longitude = CoordinateFromArcMinutes(named->place.longitudeMinutes);
      if (named->others > 0) {
        *notice = QStringLiteral(
                      "«%1»: взято %2 (%3 %4, %5); так называются еще %6 мест. Уточните "
                      "регионом или страной: --place \"%1, СТРАНА\"; все они: velunor "
                      "--find-place \"%1\".")
                      .arg(place->trimmed(), PlaceWithRegion(named->place),
                           DegreesMinutesText(named->place.latitudeMinutes),
                           DegreesMinutesText(named->place.longitudeMinutes), named->place.zone)
                      .arg(named->others);
      }
    } else if (!coordinates) {
      const QString nearest = searched != nullptr ? NearestNames(*searched, *place) : QString();
      *error = QStringLiteral("Населенный пункт «%1» не найден ни в списке, ни в атласе программы")
                   .arg(*place) +
               (nearest.isEmpty() ? QStringLiteral(".")
                                  : QStringLiteral("; похожие: ") + nearest + u'.') +
               QStringLiteral(" Или укажите координаты: --latitude и --longitude.");
      return false;
    } else {
      birth.place = place->trimmed();
    }
  }
  if (coordinates) {
    Coordinate north;
    Coordinate east;
    if (!ReadCoordinate(QStringLiteral("--latitude"), *latitude, CoordinateAxis::kLatitude, &north,
                        error) ||
        !ReadCoordinate(QStringLiteral("--longitude"), *longitude, CoordinateAxis::kLongitude,
                        &east, error)) {
      return false;
    }
    // A found place keeps its name only while these are its coordinates.
    if (placeFound && (north != birth.latitude || east != birth.longitude)) birth.place.clear();
    birth.latitude = north;
    birth.longitude = east;
  }
  return true;
}

std::optional<int32_t> ReadTypedZone(const GivenOptions& given, QString* error) {
  const auto typed = given.value("--zone");
  if (!typed) return std::nullopt;
  if (given.has("--auto-zone")) {
    *error = QStringLiteral("Укажите только одно из --zone и --auto-zone.");
    return std::nullopt;
  }
  const auto minutes = ReadZoneOffset(*typed);
  if (!minutes || *minutes < kFirstZoneMinutes || *minutes > kLastZoneMinutes) {
    *error = QStringLiteral(
                 "--zone «%1»: нужна разница с Гринвичем от -12 до +14: целые часы (3), часы и "
                 "минуты (5:30, -3:30) или часы с дробью (5,5).")
                 .arg(*typed);
    return std::nullopt;
  }
  return *minutes;
}

ParsedCommandLine ParseCommandLine(const QStringList& arguments, const QStringList& places,
                                   const QStringList& placeZones,
                                   const std::function<const Atlas*()>& atlas) {
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
  const ReadOptionsResult read = ReadOptions(arguments);
  if (!read.error.isEmpty()) return CommandLineError(read.error);
  const GivenOptions& given = read.given;
  if (given.value("--calendar") || given.value("--months") || given.has("--ics")) {
    return ParseCalendarCommand(given, places, placeZones, atlas);
  }
  const bool text = given.has("--text");
  const bool json = given.has("--json");
  if (const auto wanted = given.value("--find-place")) {
    if (wanted->trimmed().isEmpty()) {
      return CommandLineError(QStringLiteral("--find-place: укажите название или его начало."));
    }
    ParsedCommandLine parsed;
    parsed.findPlace = FindPlaceRequest{wanted->trimmed(), json};
    return parsed;
  }
  if (text == json) {
    return CommandLineError(
        !text ? QStringLiteral("Укажите, как вывести гороскоп: --text или --json.")
              : QStringLiteral("Укажите только одно из --text и --json."));
  }

  CommandLineRequest request;
  request.format = json ? HoroscopeFormat::kJson : HoroscopeFormat::kText;
  BirthData& birth = request.birth;

  const auto date = given.value("--date");
  if (!date) {
    return CommandLineError(QStringLiteral("Не указана дата рождения: --date ГГГГ-ММ-ДД."));
  }
  // Read as the window reads a typed date, in the same calendar.
  const DateReading day = ReadTypedDate(*date, QDate::currentDate().year());
  if (!day.date)
    return CommandLineError(QStringLiteral("--date «%1»: %2.").arg(*date, day.refusal));
  birth.date = *day.date;

  const auto time = given.value("--time");
  if (!time) {
    return CommandLineError(QStringLiteral("Не указано время рождения: --time ЧЧ:ММ."));
  }
  const auto clock = ReadTime(time->trimmed());
  if (!clock) {
    return CommandLineError(
        QStringLiteral("--time «%1»: нужно время вида 14:30 (часы 0–23, минуты 0–59).").arg(*time));
  }
  birth.time = *clock;

  QString error;
  QString notice;
  std::optional<QString> placeZone;
  if (!ReadPlace(given, places, placeZones, atlas, birth, &placeZone, &notice, &error)) {
    return CommandLineError(error);
  }
  // After the place: without --zone the zone is the place's.
  if (!ReadZone(given, placeZone, birth, &error)) return CommandLineError(error);

  if (const auto sex = given.value("--sex")) {
    const auto readSex = ReadSex(*sex);
    if (!readSex)
      return CommandLineError(QStringLiteral("--sex «%1»: нужно m или f (м или ж).").arg(*sex));
    birth.sex = *readSex;
  }
  birth.surname = given.value("--surname").value_or(QString());
  birth.firstName = given.value("--name").value_or(QString());
  birth.patronymic = given.value("--patronymic").value_or(QString());

  ParsedCommandLine parsed;
  parsed.request = request;
  parsed.notice = notice;
  return parsed;
}

}  // namespace frontend
