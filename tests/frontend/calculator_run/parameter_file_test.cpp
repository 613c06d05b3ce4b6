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
  input.latitudeDegrees = 55;
  input.latitudeMinutes = 45;
  input.longitudeDegrees = 37;
  input.longitudeMinutes = 35;
  EXPECT_EQ(ParameterFileText(input, "/tmp/velunor-0/~moon1.out"),
            "Autocreated\r\n7.3.1985\r\n5:7\r\n3\r\n\r\n55.45\r\n37.35\r\n2\r\na\r\n"
            "/tmp/velunor-0/~moon1.out\r\n");
}

TEST(ParameterFileText, SignsBelongToDegreesAndZoneOnly) {
  CalculatorInput input;
  input.day = 31;
  input.month = 12;
  input.year = 2001;
  input.hour = 23;
  input.minute = 0;
  input.timeZone = -5;
  input.latitudeDegrees = -34;  // Buenos Aires
  input.latitudeMinutes = 36;
  input.longitudeDegrees = 0;  // a western longitude below one degree has lost its sign
  input.longitudeMinutes = 13;
  const std::string text = ParameterFileText(input, "out");
  EXPECT_EQ(text,
            "Autocreated\r\n31.12.2001\r\n23:0\r\n-5\r\n\r\n-34.36\r\n0.13\r\n2\r\na\r\nout\r\n");
}

// The minutes boxes go up to 60, which the calculator refuses: 60 minutes are
// the next whole degree, away from zero, and only then is the limit checked.
TEST(CarryWholeDegrees, CarriesSixtyMinutesThenChecksTheLimits) {
  const struct {
    int32_t typed[4];    // latitude degrees, minutes, longitude degrees, minutes
    int32_t carried[4];  // as sent, when accepted
    CoordinateProblem problem;
  } cases[] = {
      {{55, 60, 37, 60}, {56, 0, 38, 0}, CoordinateProblem::kNone},
      {{-55, 60, -179, 60}, {-56, 0, -180, 0}, CoordinateProblem::kNone},
      {{0, 60, 0, 59}, {1, 0, 0, 59}, CoordinateProblem::kNone},
      {{89, 60, 180, 0}, {90, 0, 180, 0}, CoordinateProblem::kNone},
      {{90, 30, 0, 0}, {}, CoordinateProblem::kLatitude},
      {{-90, 1, 0, 0}, {}, CoordinateProblem::kLatitude},
      {{90, 60, 0, 0}, {}, CoordinateProblem::kLatitude},
      {{0, 0, 180, 10}, {}, CoordinateProblem::kLongitude},
      {{0, 0, -180, 60}, {}, CoordinateProblem::kLongitude},
      {{90, 30, 180, 10}, {}, CoordinateProblem::kLatitude},
  };
  for (const auto& c : cases) {
    CalculatorInput input;
    input.latitudeDegrees = c.typed[0];
    input.latitudeMinutes = c.typed[1];
    input.longitudeDegrees = c.typed[2];
    input.longitudeMinutes = c.typed[3];
    SCOPED_TRACE(::testing::PrintToString(c.typed));
    EXPECT_EQ(CarryWholeDegrees(input), c.problem);
    if (c.problem != CoordinateProblem::kNone) continue;
    EXPECT_EQ(input.latitudeDegrees, c.carried[0]);
    EXPECT_EQ(input.latitudeMinutes, c.carried[1]);
    EXPECT_EQ(input.longitudeDegrees, c.carried[2]);
    EXPECT_EQ(input.longitudeMinutes, c.carried[3]);
  }
}

}  // namespace
}  // namespace frontend
