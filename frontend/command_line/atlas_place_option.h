// Places named on the command line and looked up in the atlas: `--place`
// with any name a place has had ("Ленинград", "Раков, Беларусь"), and the
// listing of `--find-place`.
#pragma once

#include <QByteArray>
#include <QList>
#include <QString>
#include <optional>

#include "frontend/places/atlas.h"

namespace frontend {

// The place a `--place` text names: the best-ranked place one of whose names
// is the whole text (before any ", region" or ", country"), and how many
// other places have such a name. Nothing when no name is the text.
struct NamedPlace {
  AtlasPlace place;
  qsizetype others = 0;
};
std::optional<NamedPlace> PlaceNamed(const Atlas& atlas, const QString& text);

// "Раков, Минская Область, Беларусь": the place with its region and country.
QString PlaceWithRegion(const AtlasPlace& place);

// Up to five names close to a text that names no place, for a message:
// "Раков (Минская Область, Беларусь), …"; empty when none is close.
QString NearestNames(const Atlas& atlas, const QString& text);

// Arc minutes as the command line's --latitude and --longitude take them:
// 3238 as "53:58", -8 as "-0:08".
QString DegreesMinutesText(int minutes);

// The matches of `--find-place`, best first, one line each ("name → place,
// region, country  53:58 27:03  Europe/Minsk  6300 жителей"), or as a JSON
// array of objects with the same facts.
QString FoundPlacesText(const Atlas& atlas, const QList<AtlasMatch>& found);
QByteArray FoundPlacesJson(const Atlas& atlas, const QList<AtlasMatch>& found);

}  // namespace frontend
