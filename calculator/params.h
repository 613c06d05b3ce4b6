// The calculator's parameter file: ten text lines that describe the birth
// moment, the place and the run settings.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "calculator/calendar.h"

namespace moon {

inline constexpr std::string_view kDefaultParameterFile = "MD.IN";

struct BirthRecord {
  MomentRecord moment;
  std::string name;   // first 37 characters of line 1
  std::string place;  // first 36 characters of line 5
};

struct RunParameters {
  std::string fileName;  // the parameter file's name as used for opening (at most 80 characters)
  BirthRecord birth;
  std::string headerName;       // the whole line 1 (at most 255 characters), for the table header
  uint16_t numberOfMonths = 0;  // lunations in the table, 1..120
  bool progressed = false;      // true for mode P/p, false for A/a
  std::string outputPath;       // at most 255 characters
};

struct LoadOutcome {
  bool ok = false;
  // One console line without its line end: on success
  // "Load parameters from file <name> - OK", otherwise the error message.
  std::string message;
  RunParameters parameters;  // complete only when ok
};

// Reads and validates the parameter file. `fileNameArgument` is the first
// command-line argument; empty means kDefaultParameterFile. On failure the
// caller prints `message` and exits with kParameterErrorExitCode.
LoadOutcome LoadParameters(std::string_view fileNameArgument);

}  // namespace moon
