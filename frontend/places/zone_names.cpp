#include "frontend/places/zone_names.h"

#include <QFile>

namespace frontend {

ZoneNames ReadZoneNames(const QByteArray& bytes) {
  ZoneNames names;
  for (const QByteArray& rawLine : bytes.split('\n')) {
    const QString line = QString::fromUtf8(rawLine).remove(u'\r');
    const qsizetype tab = line.indexOf(u'\t');
    if (tab <= 0 || tab == line.size() - 1) continue;
    names.insert(line.left(tab), line.mid(tab + 1));
  }
  return names;
}

QString ZoneTitle(const QString& zone, const ZoneNames& names) {
  const auto name = names.constFind(zone);
  if (name == names.constEnd()) return zone;
  return QStringLiteral("%1 (%2)").arg(*name, zone);
}

namespace {

const ZoneNames& BuiltInZoneNames() {
  static const ZoneNames names = [] {
    QFile file(QStringLiteral(":/ZONE_NAMES/ZONE_NAMES"));
    return file.open(QIODevice::ReadOnly) ? ReadZoneNames(file.readAll()) : ZoneNames{};
  }();
  return names;
}

}  // namespace

QString ZoneTitle(const QString& zone) {
  return ZoneTitle(zone, BuiltInZoneNames());
}

QString ZoneCity(const QString& zone) {
  const QString name = BuiltInZoneNames().value(zone);
  return name.isEmpty() ? zone.section(u'/', -1).replace(u'_', u' ') : name;
}

}  // namespace frontend
