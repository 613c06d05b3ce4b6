#include "frontend/places/place_list.h"

#include <QRegularExpression>
#include <string_view>

#include "content/cp1251.h"
#include "content/tables.h"

namespace frontend {

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

// A sign followed by whole degrees, and whole minutes.
std::optional<frontend::Coordinate> ReadFields(const QString& signedDegrees,
                                               const QString& minutes) {
  const auto degrees = ReadWholeNumber(signedDegrees.mid(1));
  const auto arcMinutes = ReadWholeNumber(minutes);
  if (!degrees || *degrees < 0 || !arcMinutes || *arcMinutes < 0) return std::nullopt;
  return frontend::CarriedMinutes({signedDegrees.startsWith(u'-'), *degrees, *arcMinutes});
}

}  // namespace

QStringList ReadPlaceList(const QByteArray& bytes) {
  QStringList places;
  for (const std::string& line : content::CutLines(
           content::Utf8FromCp1251(std::string_view(bytes.constData(), bytes.size())))) {
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

  const auto latitude = ReadFields(text.mid(0, 3), text.mid(4, 2));
  const auto longitude = ReadFields(text.mid(7, 4), text.mid(12, 2));
  if (!latitude || !longitude) return std::nullopt;
  return PlaceCoordinates{*latitude, *longitude};
}

}  // namespace frontend
