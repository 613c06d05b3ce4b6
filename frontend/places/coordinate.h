// A latitude or longitude as the user types it: whole degrees and arc minutes
// with the side of the world kept apart from the degrees, so that a place less
// than one degree south of the equator or west of Greenwich (Quito, London)
// keeps its side although its degrees are 0.
#pragma once

#include <QString>
#include <cstdint>
#include <optional>
#include <string>

namespace frontend {

enum class CoordinateAxis { kLatitude, kLongitude };

struct Coordinate {
  bool negative = false;  // south of the equator, or west of Greenwich
  int32_t degrees = 0;    // whole degrees, never below 0
  int32_t minutes = 0;    // arc minutes, 0..59 once carried

  bool operator==(const Coordinate&) const = default;
};

// 90 for a latitude, 180 for a longitude.
int32_t LimitDegrees(CoordinateAxis axis);

// Whole degrees out of the minutes: 45°60′ is 46°00′, on the same side.
Coordinate CarriedMinutes(Coordinate value);

// Whether a carried coordinate lies within ±90°00′ (latitude) or ±180°00′
// (longitude).
bool WithinRange(const Coordinate& value, CoordinateAxis axis);

// Minutes of arc with the side as sign: London's longitude 0°08′ west is -8.
int32_t SignedArcMinutes(const Coordinate& value);
Coordinate CoordinateFromArcMinutes(int32_t signedMinutes);

// The degrees as a box shows them: "53", "-34", and "-0" for less than one
// degree south or west.
QString SignedDegreesText(const Coordinate& value);

// The calculator's "degrees.minutes": "53.54", "-0.8".
std::string CalculatorCoordinateText(const Coordinate& value);

// For people: «51° 31′ с. ш.», «0° 8′ з. д.».
QString CoordinateText(const Coordinate& value, CoordinateAxis axis);

// What stands for the place when the coordinates were typed by hand.
QString HandTypedPlaceText();

// Why a coordinate beyond the limit is refused, in Russian.
QString OutOfRangeText(const Coordinate& value, CoordinateAxis axis);

// "53:54", "-0:13", "+27:34" or whole degrees ("-33"); minutes 0..60, 60
// carried into the degrees. Empty when the text has another form.
std::optional<Coordinate> ReadCoordinateText(const QString& text);

}  // namespace frontend
