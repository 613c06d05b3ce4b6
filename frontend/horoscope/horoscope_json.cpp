#include "frontend/horoscope/horoscope_json.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

namespace frontend {

namespace {

QJsonArray LinesArray(const content::Lines& lines) {
  QJsonArray array;
  for (const std::string& line : lines) array.append(QString::fromStdString(line));
  return array;
}

// "degrees" and "minutes" as before, the sign on the degrees; "arcMinutes"
// keeps the side where the degrees are 0.
QJsonObject CoordinateObject(const Coordinate& value) {
  return {{QStringLiteral("degrees"), value.negative ? -value.degrees : value.degrees},
          {QStringLiteral("minutes"), value.minutes},
          {QStringLiteral("arcMinutes"), SignedArcMinutes(value)}};
}

QJsonObject PersonObject(const BirthData& birth) {
  return {{QStringLiteral("surname"), birth.surname},
          {QStringLiteral("firstName"), birth.firstName},
          {QStringLiteral("patronymic"), birth.patronymic},
          {QStringLiteral("sex"),
           birth.sex == Sex::kFemale ? QStringLiteral("female") : QStringLiteral("male")}};
}

QJsonObject BirthObject(const BirthData& birth) {
  return {{QStringLiteral("date"), IsoText(birth.date)},
          {QStringLiteral("time"), birth.time.toString(QStringLiteral("HH:mm:ss"))},
          {QStringLiteral("zoneHours"), birth.zoneHours},
          {QStringLiteral("zoneOffsetMinutes"), ZoneOffsetMinutes(birth)},
          {QStringLiteral("zoneName"),
           birth.zoneName.isEmpty() ? QJsonValue(QJsonValue::Null) : QJsonValue(birth.zoneName)},
          {QStringLiteral("place"), birth.place},
          {QStringLiteral("latitude"), CoordinateObject(birth.latitude)},
          {QStringLiteral("longitude"), CoordinateObject(birth.longitude)}};
}

QJsonValue LunarDayValue(const std::string& lunarDay) {
  bool number = false;
  const int day = QString::fromStdString(lunarDay).toInt(&number);
  return number ? QJsonValue(day) : QJsonValue(QJsonValue::Null);
}

}  // namespace

QByteArray HoroscopeJson(const Horoscope& horoscope) {
  const content::Composition& result = horoscope.composition;
  QJsonObject solar{{QStringLiteral("monthPicture"), result.monthPictureIndex + 1},
                    {QStringLiteral("treeSignPublic"), LinesArray(result.treeSignPublic)},
                    {QStringLiteral("treeSignSecret"), LinesArray(result.treeSignSecret)}};
  QJsonObject lunar{{QStringLiteral("lunarDay"), LunarDayValue(horoscope.lunarDay)},
                    {QStringLiteral("caption"), QString::fromStdString(result.lunarDayCaption)},
                    {QStringLiteral("verse"), LinesArray(result.lunarVerse)},
                    {QStringLiteral("health"), LinesArray(result.health)},
                    {QStringLiteral("goodOrEvil"), LinesArray(result.goodOrEvil)},
                    {QStringLiteral("knife"), LinesArray(result.knife)},
                    {QStringLiteral("failure"), horoscope.calculatorFailure.isEmpty()
                                                    ? QJsonValue(QJsonValue::Null)
                                                    : QJsonValue(horoscope.calculatorFailure)}};
  const QJsonObject root{{QStringLiteral("person"), PersonObject(horoscope.birth)},
                         {QStringLiteral("birth"), BirthObject(horoscope.birth)},
                         {QStringLiteral("worldCircle"), LinesArray(result.worldCircle)},
                         {QStringLiteral("solar"), solar},
                         {QStringLiteral("lunar"), lunar},
                         {QStringLiteral("weekDay"), LinesArray(result.weekDay)}};
  return QJsonDocument(root).toJson(QJsonDocument::Indented);
}

}  // namespace frontend
