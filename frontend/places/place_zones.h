// The time zone of each built-in place: resource PLACE_ZONES, UTF-8 lines
// "name<TAB>zone", line i for line i of the place list (same name), the zone
// an IANA name such as "Europe/Minsk".
#pragma once

#include <QByteArray>
#include <QStringList>

namespace frontend {

// One entry per line of `places`: the IANA zone name of that place, or empty
// when the zones have no line at that position or the line there names
// another place (a zones file that does not belong to this place list). The
// names are not checked here against the system's time-zone database.
QStringList ReadPlaceZones(const QByteArray& bytes, const QStringList& places);

}  // namespace frontend
