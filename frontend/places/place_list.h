// The built-in place list: lines "name=latitude<TAB>longitude", and the
// conversion of a place's value into the four coordinate boxes.
#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <cstdint>
#include <optional>

#include "frontend/places/coordinate.h"

namespace frontend {

struct PlaceCoordinates {
  Coordinate latitude;
  Coordinate longitude;
};

// The list's Windows-1251 bytes as lines, in file order.
QStringList ReadPlaceList(const QByteArray& bytes);

// The text of a line before its first "=".
QString PlaceName(const QString& line);

// Index of the first line whose name equals `name` ignoring case, or -1.
qsizetype FindPlace(const QStringList& places, const QString& name);

// The text after the first "=" of that line, or empty.
QString PlaceValue(const QStringList& places, const QString& name);

// Reads a value such as "53,54<TAB>027,34" or "-34,36<TAB>-058,27". Signs are
// normalised first, then the fields are cut at fixed positions: sign and
// latitude degrees, latitude minutes, sign and longitude degrees, longitude
// minutes. The sign is read apart from the degrees, so "-00,10" is 0°10'
// south. Nothing when any field is not a whole number.
std::optional<PlaceCoordinates> ParsePlaceValue(const QString& value);

}  // namespace frontend
