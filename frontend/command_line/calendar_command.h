// `velunor --calendar YYYY-MM`: the lunar calendar from the command line.
#pragma once

#include <QStringList>

#include "frontend/command_line/command_line.h"

namespace frontend {

// Reads --calendar, --months, the place and its zone, and one of --text,
// --json and --ics. Without --zone (or with --auto-zone) every date follows
// the database zone of the place from the list; --zone holds for every date.
ParsedCommandLine ParseCalendarCommand(const GivenOptions& given, const QStringList& places,
                                       const QStringList& placeZones,
                                       const std::function<const Atlas*()>& atlas);

}  // namespace frontend
