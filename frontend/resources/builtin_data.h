// The tables, place list and calculator built into the program, as the window
// and the command line both load them.
#pragma once

#include <QByteArray>
#include <QStringList>

#include "content/compose.h"

// The twelve reference tables, decoded to UTF-8. Throws ResourceNotFound.
content::ReferenceTables LoadBuiltInTables();

// The place list, lines "name=value" in resource order. Throws ResourceNotFound.
QStringList LoadBuiltInPlaceList();

// The time-zone database name of each line of `places` (place_zones.h).
// Throws ResourceNotFound.
QStringList LoadBuiltInPlaceZones(const QStringList& places);

// The lunar calculator's executable. Throws ResourceNotFound.
QByteArray LoadCalculatorProgram();
