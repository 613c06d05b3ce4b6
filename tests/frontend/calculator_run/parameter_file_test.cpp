#include "frontend/calculator_run/parameter_file.h"

#include <gtest/gtest.h>

namespace frontend {
namespace {

TEST(ParameterFileText, WritesTheTenLinesWithPlainNumbers) {
  CalculatorInput input;
  input.day = 7;
  input.month = 3;
  input.year = 1985;
  input.hour = 5;
  input.minute = 7;
  input.timeZone = 3;
  input.latitude = {false, 55, 45};
  input.longitude = {false, 37, 35};
  EXPECT_EQ(ParameterFileText(input, "/tmp/velunor-0/~moon1.out"),
            "Autocreated\r\n7.3.1985\r\n5:7\r\n3\r\n\r\n55.45\r\n37.35\r\n2\r\na\r\n"
            "/tmp/velunor-0/~moon1.out\r\n");
}

TEST(ParameterFileText, SouthAndWestHaveAMinusEvenAtZeroDegrees) {
  CalculatorInput input;
  input.day = 31;
  input.month = 12;
  input.year = 2001;
  input.hour = 23;
  input.minute = 0;
  input.timeZone = -5;
  input.latitude = {true, 34, 36};  // Buenos Aires
  input.longitude = {true, 0, 13};  // Accra, west of Greenwich by less than a degree
  const std::string text = ParameterFileText(input, "out");
  EXPECT_EQ(text,
            "Autocreated\r\n31.12.2001\r\n23:0\r\n-5\r\n\r\n-34.36\r\n-0.13\r\n2\r\na\r\nout\r\n");
}

// The minutes boxes go up to 60, which the calculator refuses: 60 minutes are
// the next whole degree, away from zero, and only then is the limit checked.
TEST(CarryWholeDegrees, CarriesSixtyMinutesThenChecksTheLimits) {
  constexpr bool S = true;  // south or west
  constexpr bool N = false;
  const struct {
    Coordinate typed[2];    // latitude, longitude
    Coordinate carried[2];  // as sent, when accepted
    CoordinateProblem problem;
  } cases[] = {
      {{{N, 55, 60}, {N, 37, 60}}, {{N, 56, 0}, {N, 38, 0}}, CoordinateProblem::kNone},
      {{{S, 55, 60}, {S, 179, 60}}, {{S, 56, 0}, {S, 180, 0}}, CoordinateProblem::kNone},
      {{{N, 0, 60}, {N, 0, 59}}, {{N, 1, 0}, {N, 0, 59}}, CoordinateProblem::kNone},
      {{{S, 0, 60}, {S, 0, 59}}, {{S, 1, 0}, {S, 0, 59}}, CoordinateProblem::kNone},
      {{{N, 89, 60}, {N, 180, 0}}, {{N, 90, 0}, {N, 180, 0}}, CoordinateProblem::kNone},
      {{{N, 90, 30}, {}}, {}, CoordinateProblem::kLatitude},
      {{{S, 90, 1}, {}}, {}, CoordinateProblem::kLatitude},
      {{{N, 90, 60}, {}}, {}, CoordinateProblem::kLatitude},
      {{{}, {N, 180, 10}}, {}, CoordinateProblem::kLongitude},
      {{{}, {S, 180, 60}}, {}, CoordinateProblem::kLongitude},
      {{{N, 90, 30}, {N, 180, 10}}, {}, CoordinateProblem::kLatitude},
  };
  for (const auto& c : cases) {
    CalculatorInput input;
    input.latitude = c.typed[0];
    input.longitude = c.typed[1];
    SCOPED_TRACE(CalculatorCoordinateText(c.typed[0]) + " " + CalculatorCoordinateText(c.typed[1]));
    EXPECT_EQ(CarryWholeDegrees(input), c.problem);
    if (c.problem != CoordinateProblem::kNone) continue;
    EXPECT_EQ(input.latitude, c.carried[0]);
    EXPECT_EQ(input.longitude, c.carried[1]);
  }
}

}  // namespace
}  // namespace frontend
