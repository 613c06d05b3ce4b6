// Russian names of the places' time zones, so that the window and the texts
// say "Минск (Europe/Minsk)" rather than the bare database name. Built-in
// resource ZONE_NAMES: UTF-8 lines "zone<TAB>name".
#pragma once

#include <QByteArray>
#include <QHash>
#include <QString>

namespace frontend {

using ZoneNames = QHash<QString, QString>;

// Lines without a tab, or with an empty zone or name, are skipped.
ZoneNames ReadZoneNames(const QByteArray& bytes);

// "Минск (Europe/Minsk)"; the database name alone when `names` has none for it;
// empty for an empty zone.
QString ZoneTitle(const QString& zone, const ZoneNames& names);

// The same with the built-in names (resource ZONE_NAMES of the library
// frontend_resources), read once; a program linked without them shows
// database names alone.
QString ZoneTitle(const QString& zone);

// The short form where room is scarce: the built-in Russian name ("Минск"), or
// the city part of the database name ("Kolkata" for Asia/Kolkata).
QString ZoneCity(const QString& zone);

}  // namespace frontend
