// moon [PARAMETER_FILE]: writes the lunar-day table that the parameter file
// (default MD.IN) describes. --help and --version are the only options.
#include <sys/prctl.h>

#include <csignal>
#include <cstdio>
#include <string_view>

#include "calculator/calendar.h"
#include "calculator/messages.h"
#include "calculator/params.h"
#include "calculator/table.h"
#include "velunor_version.h"

namespace {

constexpr char kUsage[] =
    "Usage: moon [PARAMETER_FILE]\n"
    "Writes the table of lunar-day starts (the new moon, then every moonrise at\n"
    "the place) that PARAMETER_FILE (default MD.IN) describes.\n"
    "\n"
    "The parameter file has ten lines: name, date (d.m.yyyy), local time (h:m),\n"
    "time zone (whole hours east of Greenwich), place name, latitude and\n"
    "longitude (degrees.minutes, negative south and west), number of lunations\n"
    "(1..120), mode (a or p) and the path of the table to write.\n"
    "\n"
    "Exit status: 0 when the run is done, 100 when the parameter file is wrong,\n"
    "255 when a date lies outside the supported range.\n"
    "\n"
    "  --help     print this help and exit\n"
    "  --version  print the version and exit\n"
    "\n"
    "See moon(1).\n";

// The program that started us (the front end's script shell) may be killed
// without a chance to end us; a table written after that would land in files
// that a later run of the front end may already own. So we end with it.
void EndWithParent() {
  ::prctl(PR_SET_PDEATHSIG, SIGKILL);
}

}  // namespace

int main(int argc, char* argv[]) {
  const std::string_view argument = argc > 1 ? argv[1] : "";
  if (argument == "--help") {
    std::fputs(kUsage, stdout);
    return 0;
  }
  if (argument == "--version") {
    std::printf("moon %s\n", VELUNOR_VERSION);
    return 0;
  }
  EndWithParent();
  const moon::LoadOutcome loaded = moon::LoadParameters(argument);
  std::printf("%s\n", loaded.message.c_str());
  if (!loaded.ok) return moon::kParameterErrorExitCode;
  try {
    return moon::ComputeAndWriteTable(loaded.parameters, stdout);
  } catch (const moon::JulianDayOutOfRange&) {
    moon::ReportBadJulianDay();
    return moon::kBadJulianDayExitCode;
  }
}
