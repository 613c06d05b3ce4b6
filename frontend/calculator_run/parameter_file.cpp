#include "frontend/calculator_run/parameter_file.h"

namespace frontend {
namespace {

constexpr std::string_view kLineEnd = "\r\n";
constexpr std::string_view kRunName = "Autocreated";
constexpr std::string_view kNormalMode = "a";

std::string Joined(int32_t first, char separator, int32_t second) {
  return std::to_string(first) + separator + std::to_string(second);
}

// Degrees and minutes of one coordinate; the sign belongs to the degrees.
void CarryMinutes(int32_t& degrees, int32_t& minutes) {
  constexpr int32_t kMinutesPerDegree = 60;
  if (minutes < kMinutesPerDegree) return;
  degrees += degrees < 0 ? -1 : 1;
  minutes -= kMinutesPerDegree;
}

bool WithinLimit(int32_t degrees, int32_t minutes, int32_t limitDegrees) {
  const int32_t magnitude = degrees < 0 ? -degrees : degrees;
  return magnitude < limitDegrees || (magnitude == limitDegrees && minutes == 0);
}

}  // namespace

CoordinateProblem CarryWholeDegrees(CalculatorInput& input) {
  CarryMinutes(input.latitudeDegrees, input.latitudeMinutes);
  CarryMinutes(input.longitudeDegrees, input.longitudeMinutes);
  if (!WithinLimit(input.latitudeDegrees, input.latitudeMinutes, 90)) {
    return CoordinateProblem::kLatitude;
  }
  if (!WithinLimit(input.longitudeDegrees, input.longitudeMinutes, 180)) {
    return CoordinateProblem::kLongitude;
  }
  return CoordinateProblem::kNone;
}

std::string ParameterFileText(const CalculatorInput& input, std::string_view outputPath,
                              int32_t lunations) {
  const std::string lines[] = {
      std::string(kRunName),
      Joined(input.day, '.', input.month) + '.' + std::to_string(input.year),
      Joined(input.hour, ':', input.minute),
      std::to_string(input.timeZone),
      std::string(),  // place name: not known to the calculator
      Joined(input.latitudeDegrees, '.', input.latitudeMinutes),
      Joined(input.longitudeDegrees, '.', input.longitudeMinutes),
      std::to_string(lunations),
      std::string(kNormalMode),
      std::string(outputPath),
  };
  std::string text;
  for (const std::string& line : lines) {
    text += line;
    text += kLineEnd;
  }
  return text;
}

}  // namespace frontend
