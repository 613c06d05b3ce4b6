#include "frontend/places/place_list.h"

#include <QRegularExpression>
#include <string_view>

#include "content/tables.h"
#include "frontend/horoscope/windows1251.h"

namespace {

// A whole number with an optional leading sign.
std::optional<int32_t> ReadWholeNumber(const QString& field) {
  static const QRegularExpression pattern(QStringLiteral("^[+-]?[0-9]+$"));
  if (!pattern.match(field).hasMatch()) return std::nullopt;
  bool ok = false;
  const int32_t number = field.toInt(&ok);
  if (!ok) return std::nullopt;
  return number;
}

}  // namespace

QStringList ReadPlaceList(const QByteArray& bytes) {
  QStringList places;
  for (const std::string& line : content::CutLines(Utf8FromWindows1251(bytes))) {
    places.append(QString::fromStdString(line));
  }
  return places;
}

QString PlaceName(const QString& line) {
  return line.section(u'=', 0, 0);
}

qsizetype FindPlace(const QStringList& places, const QString& name) {
  for (qsizetype i = 0; i < places.size(); ++i) {
    if (PlaceName(places[i]).compare(name, Qt::CaseInsensitive) == 0) return i;
  }
  return -1;
}

QString PlaceValue(const QStringList& places, const QString& name) {
  const qsizetype index = FindPlace(places, name);
  if (index < 0) return {};
  const QString& line = places[index];
  return line.mid(line.indexOf(u'=') + 1);
}

std::optional<PlaceCoordinates> ParsePlaceValue(const QString& value) {
  // Give both coordinates a sign so that every field sits at a fixed place:
  // sign, 2 degree digits, ",", 2 minute digits, TAB, sign, 3 degree digits,
  // ",", 2 minute digits.
  QString text = value;
  if (!text.startsWith(u'-')) text.prepend(u'+');
  if (text.size() < 8 || text.at(7) != u'-') text.insert(std::min<qsizetype>(7, text.size()), u'+');

  const auto latitudeDegrees = ReadWholeNumber(text.mid(0, 3));
  const auto latitudeMinutes = ReadWholeNumber(text.mid(4, 2));
  const auto longitudeDegrees = ReadWholeNumber(text.mid(7, 4));
  const auto longitudeMinutes = ReadWholeNumber(text.mid(12, 2));
  if (!latitudeDegrees || !latitudeMinutes || !longitudeDegrees || !longitudeMinutes) {
    return std::nullopt;
  }
  return PlaceCoordinates{*latitudeDegrees, *latitudeMinutes, *longitudeDegrees, *longitudeMinutes};
}
