#include "frontend/places/place_zones.h"

#include <cstddef>
#include <string_view>

#include "content/tables.h"
#include "frontend/places/place_list.h"

namespace frontend {

QStringList ReadPlaceZones(const QByteArray& bytes, const QStringList& places) {
  const content::Lines lines = content::CutLines(std::string_view(bytes.data(), bytes.size()));
  QStringList zones;
  zones.reserve(places.size());
  for (qsizetype i = 0; i < places.size(); ++i) {
    QString zone;
    if (static_cast<std::size_t>(i) < lines.size()) {
      const QString line = QString::fromStdString(lines[i]);
      const qsizetype tab = line.indexOf(u'\t');
      if (tab >= 0 && line.left(tab) == PlaceName(places[i])) zone = line.mid(tab + 1);
    }
    zones.append(zone);
  }
  return zones;
}

}  // namespace frontend
