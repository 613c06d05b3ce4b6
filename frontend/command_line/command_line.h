// The horoscope from the command line: `velunor --text` or `--json` with the
// birth data as options prints the horoscope without opening a window.
#pragma once

#include <QString>
#include <QStringList>
#include <optional>

#include "frontend/birth/birth_data.h"
#include "frontend/command_line/command_line_options.h"

namespace frontend {

enum class HoroscopeFormat { kText, kJson };

struct CommandLineRequest {
  HoroscopeFormat format = HoroscopeFormat::kText;
  BirthData birth;
};

struct ParsedCommandLine {
  bool help = false;                          // --help: print CommandLineHelp() and end
  bool version = false;                       // --version: print the version and end
  std::optional<CommandLineRequest> request;  // a horoscope to print
  QString error;                              // in Russian, naming the option; the rest empty
};

// Reads the options; a place name is looked up in `places` (the built-in list,
// lines "name=value") for its coordinates, and without --zone its zone is
// taken from `placeZones` (the database zone of each line of `places`,
// place_zones.h) at the local date and time of birth.
ParsedCommandLine ParseCommandLine(const QStringList& arguments, const QStringList& places,
                                   const QStringList& placeZones);

}  // namespace frontend
