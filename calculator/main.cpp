// moon [PARAMETER_FILE]: writes the lunar-day table that the parameter file
// (default MD.IN) describes.
#include <cstdio>
#include <string_view>

#include "calculator/calendar.h"
#include "calculator/params.h"
#include "calculator/table.h"

int main(int argc, char* argv[]) {
  const std::string_view argument = argc > 1 ? argv[1] : "";
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
