// The horoscope from the command line: `velunor --text` or `--json` with the
// birth data as options prints the horoscope without opening a window.
#pragma once

#include <QString>
#include <QStringList>
#include <functional>
#include <optional>

#include "frontend/birth/birth_data.h"
#include "frontend/calendar_export/calendar_without_window.h"
#include "frontend/command_line/command_line_options.h"
#include "frontend/places/atlas.h"

namespace frontend {

enum class HoroscopeFormat { kText, kJson };

struct CommandLineRequest {
  HoroscopeFormat format = HoroscopeFormat::kText;
  BirthData birth;
};

// `velunor --calendar`: the months, the place and the form to print.
enum class CalendarFormat { kText, kJson, kICalendar };
struct CalendarCommand {
  CalendarFormat format = CalendarFormat::kText;
  CalendarRequest request;
};

// `--find-place TEXT [--json]`: the atlas's places matching TEXT.
struct FindPlaceRequest {
  QString text;
  bool json = false;
};

struct ParsedCommandLine {
  bool help = false;                          // --help: print CommandLineHelp() and end
  bool version = false;                       // --version: print the version and end
  std::optional<CommandLineRequest> request;  // a horoscope to print
  std::optional<CalendarCommand> calendar;    // or a lunar calendar
  std::optional<FindPlaceRequest> findPlace;  // or places to list
  QString notice;  // in Russian, for standard error beside the request: which of
                   // several places of the name given was taken
  QString error;   // in Russian, naming the option; the rest empty
};

// A command line refused for `error`.
inline ParsedCommandLine CommandLineError(const QString& error) {
  ParsedCommandLine parsed;
  parsed.error = error;
  return parsed;
}

// Reads the options; a place name is looked up in `places` (the built-in list,
// lines "name=value") for its coordinates, and without --zone its zone is
// taken from `placeZones` (the database zone of each line of `places`,
// place_zones.h) at the local date and time of birth. A name the list does
// not have is looked up in the atlas `atlas` gives (read only then; null or
// no function: none).
ParsedCommandLine ParseCommandLine(const QStringList& arguments, const QStringList& places,
                                   const QStringList& placeZones,
                                   const std::function<const Atlas*()>& atlas = {});

// --place or --latitude and --longitude into the birth's place and
// coordinates, `placeZone` with the database zone of a place from the list or
// the atlas (nothing when the place is given by coordinates alone), and
// `notice` when the name was one of several places'; false with `error` set.
bool ReadPlace(const GivenOptions& given, const QStringList& places, const QStringList& placeZones,
               const std::function<const Atlas*()>& atlas, BirthData& birth,
               std::optional<QString>* placeZone, QString* notice, QString* error);

// --zone as the zone box reads it, in minutes east of Greenwich; nothing when
// it is not given. With `error` set (and nothing) when it is not a zone of
// -12..+14 or comes with --auto-zone.
std::optional<int32_t> ReadTypedZone(const GivenOptions& given, QString* error);

}  // namespace frontend
