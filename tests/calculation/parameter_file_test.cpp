#include "frontend/parameter_file.h"

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

CalculatorInput Place(int32_t latitudeDegrees, int32_t latitudeMinutes, int32_t longitudeDegrees,
                      int32_t longitudeMinutes) {
  CalculatorInput input;
  input.latitudeDegrees = latitudeDegrees;
  input.latitudeMinutes = latitudeMinutes;
  input.longitudeDegrees = longitudeDegrees;
  input.longitudeMinutes = longitudeMinutes;
  return input;
}

// The minutes boxes go up to 60, which the calculator refuses.
TEST(CarryWholeDegrees, SixtyMinutesAreTheNextWholeDegree) {
  CalculatorInput north = Place(55, 60, 37, 60);
  EXPECT_EQ(CarryWholeDegrees(north), CoordinateProblem::kNone);
  EXPECT_NE(ParameterFileText(north, "out").find("\r\n56.0\r\n38.0\r\n"), std::string::npos);

  CalculatorInput south = Place(-55, 60, -179, 60);
  EXPECT_EQ(CarryWholeDegrees(south), CoordinateProblem::kNone);
  EXPECT_EQ(south.latitudeDegrees, -56);
  EXPECT_EQ(south.latitudeMinutes, 0);
  EXPECT_EQ(south.longitudeDegrees, -180);
  EXPECT_EQ(south.longitudeMinutes, 0);

  CalculatorInput equator = Place(0, 60, 0, 59);
  EXPECT_EQ(CarryWholeDegrees(equator), CoordinateProblem::kNone);
  EXPECT_EQ(equator.latitudeDegrees, 1);
  EXPECT_EQ(equator.longitudeMinutes, 59);
}

TEST(CarryWholeDegrees, NamesTheCoordinateBeyondItsLimit) {
  const struct {
    CalculatorInput input;
    CoordinateProblem problem;
  } cases[] = {
      {Place(90, 0, 180, 0), CoordinateProblem::kNone},
      {Place(-90, 0, -180, 0), CoordinateProblem::kNone},
      {Place(89, 60, 179, 60), CoordinateProblem::kNone},
      {Place(90, 30, 0, 0), CoordinateProblem::kLatitude},
      {Place(-90, 1, 0, 0), CoordinateProblem::kLatitude},
      {Place(90, 60, 0, 0), CoordinateProblem::kLatitude},
      {Place(0, 0, 180, 10), CoordinateProblem::kLongitude},
      {Place(0, 0, -180, 60), CoordinateProblem::kLongitude},
      {Place(90, 30, 180, 10), CoordinateProblem::kLatitude},
  };
  for (const auto& c : cases) {
    CalculatorInput input = c.input;
    EXPECT_EQ(CarryWholeDegrees(input), c.problem)
        << c.input.latitudeDegrees << "." << c.input.latitudeMinutes << " "
        << c.input.longitudeDegrees << "." << c.input.longitudeMinutes;
  }
}

}  // namespace
}  // namespace frontend
