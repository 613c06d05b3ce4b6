#include "frontend/calculator_run/parameter_file.h"

namespace frontend {
namespace {

constexpr std::string_view kLineEnd = "\r\n";
constexpr std::string_view kRunName = "Autocreated";
constexpr std::string_view kNormalMode = "a";

std::string Joined(int32_t first, char separator, int32_t second) {
  return std::to_string(first) + separator + std::to_string(second);
}

}  // namespace

CoordinateProblem CarryWholeDegrees(CalculatorInput& input) {
  input.latitude = CarriedMinutes(input.latitude);
  input.longitude = CarriedMinutes(input.longitude);
  if (!WithinRange(input.latitude, CoordinateAxis::kLatitude)) return CoordinateProblem::kLatitude;
  if (!WithinRange(input.longitude, CoordinateAxis::kLongitude)) {
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
      CalculatorCoordinateText(input.latitude),
      CalculatorCoordinateText(input.longitude),
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
