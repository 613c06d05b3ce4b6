#include "frontend/command_line/atlas_place_option.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <cstdlib>

namespace frontend {
namespace {

// Enough to count the places of one name: the commonest village names of the
// atlas are shared by a few hundred places.
constexpr qsizetype kMostNamesakes = 5000;

}  // namespace

std::optional<NamedPlace> PlaceNamed(const Atlas& atlas, const QString& text) {
  const QList<AtlasMatch> found = atlas.Find(text, kMostNamesakes);
  // Names equal to the text come first; the rest only begin with it.
  qsizetype exact = 0;
  while (exact < found.size() && found[exact].exact) ++exact;
  if (exact == 0) return std::nullopt;
  return NamedPlace{atlas.Place(found.front().place), exact - 1};
}

QString PlaceWithRegion(const AtlasPlace& place) {
  QString text = place.name;
  if (!place.region.isEmpty()) text += QStringLiteral(", ") + place.region;
  return text + QStringLiteral(", ") + place.country;
}

QString NearestNames(const Atlas& atlas, const QString& text) {
  QList<AtlasMatch> found = atlas.Find(text, 5);
  if (found.isEmpty()) found = atlas.Nearest(text, 5);
  QStringList names;
  for (const AtlasMatch& match : found) {
    const AtlasPlace place = atlas.Place(match.place);
    const QString name = match.matchedName.isEmpty() ? place.name : match.matchedName;
    QString where = place.region.isEmpty() ? place.country
                                           : place.region + QStringLiteral(", ") + place.country;
    if (!match.matchedName.isEmpty()) where = place.name + QStringLiteral(", ") + where;
    names.append(QStringLiteral("%1 (%2)").arg(name, where));
  }
  return names.join(QStringLiteral(", "));
}

QString DegreesMinutesText(int minutes) {
  const int whole = std::abs(minutes);
  return QStringLiteral("%1%2:%3")
      .arg(minutes < 0 ? QStringLiteral("-") : QString())
      .arg(whole / 60)
      .arg(whole % 60, 2, 10, QLatin1Char('0'));
}

QString FoundPlacesText(const Atlas& atlas, const QList<AtlasMatch>& found) {
  QString text;
  for (const AtlasMatch& match : found) {
    const AtlasPlace place = atlas.Place(match.place);
    const QString name = match.matchedName.isEmpty()
                             ? PlaceWithRegion(place)
                             : match.matchedName + QStringLiteral(" → ") + PlaceWithRegion(place);
    text += QStringLiteral("%1\tширота %2\tдолгота %3\t%4\t%5 жит.\n")
                .arg(name, DegreesMinutesText(place.latitudeMinutes),
                     DegreesMinutesText(place.longitudeMinutes), place.zone)
                .arg(place.population);
  }
  return text;
}

QByteArray FoundPlacesJson(const Atlas& atlas, const QList<AtlasMatch>& found) {
  QJsonArray places;
  for (const AtlasMatch& match : found) {
    const AtlasPlace place = atlas.Place(match.place);
    QJsonObject object{
        {QStringLiteral("name"), place.name},
        {QStringLiteral("latinName"), place.latinName},
        {QStringLiteral("region"), place.region},
        {QStringLiteral("country"), place.country},
        {QStringLiteral("latitude"), DegreesMinutesText(place.latitudeMinutes)},
        {QStringLiteral("longitude"), DegreesMinutesText(place.longitudeMinutes)},
        {QStringLiteral("zoneName"), place.zone},
        {QStringLiteral("population"), place.population},
    };
    if (!match.matchedName.isEmpty())
      object.insert(QStringLiteral("matchedName"), match.matchedName);
    places.append(object);
  }
  return QJsonDocument(places).toJson(QJsonDocument::Indented);
}

}  // namespace frontend
