// The short note beside the zone box: where the zone's value came from.
#pragma once

#include <QString>

#include "frontend/places/local_zone_time.h"

namespace frontend {

// Why the zone box no longer follows the place.
enum class HandZone {
  kZoneTyped,         // the user typed or stepped the zone
  kCoordinatesTyped,  // the user typed coordinates: the place's zone may not apply
  kZoneUnknown,       // the picked place has no zone this system knows
};

// The note and its longer explanation (for the tooltip).
struct ZoneNote {
  QString text;
  QString explanation;
};

// For a zone taken from the place at local time `time`: the zone's name, the
// kind of time and the offset, and a skipped or repeated local time with the
// choice made for it.
ZoneNote PlaceZoneNote(const QString& zoneName, QTime time, const LocalZoneTime& zoneTime);

ZoneNote HandZoneNote(HandZone reason);

}  // namespace frontend
