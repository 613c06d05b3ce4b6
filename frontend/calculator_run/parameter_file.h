// The parameter file handed to the lunar calculator on every calculation.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "frontend/places/coordinate.h"

namespace frontend {

// The calculation's inputs as the main window's controls hold them.
struct CalculatorInput {
  int32_t day = 1;  // birth date
  int32_t month = 1;
  int32_t year = 2000;
  int32_t hour = 0;  // local time of day
  int32_t minute = 0;
  int32_t timeZone = 0;  // whole hours east of Greenwich, -12..12
  Coordinate latitude;
  Coordinate longitude;
};

// A coordinate the calculator cannot take.
enum class CoordinateProblem { kNone, kLatitude, kLongitude };

// Carries a minutes value of 60 into the degrees (55°60' is 56°00', -55°60' is
// -56°00'), as the calculator takes minutes 0..59 only; then names the first
// coordinate beyond ±90°00' (latitude) or ±180°00' (longitude).
CoordinateProblem CarryWholeDegrees(CalculatorInput& input);

// The lunations a birth calculation asks for: enough to enclose the birth.
inline constexpr int32_t kBirthLunations = 2;

// The ten lines, each ended by CR LF: name, d.m.yyyy, h:m, zone, an empty place
// line, latitude and longitude as degrees.minutes, the number of lunations
// (1..120), normal mode, and the output table's path. Numbers are plain
// decimals without leading zeros or "+"; a coordinate south or west has a
// minus before its degrees, "-0" included ("-0.8" is 0°08' west).
std::string ParameterFileText(const CalculatorInput& input, std::string_view outputPath,
                              int32_t lunations = kBirthLunations);

}  // namespace frontend
