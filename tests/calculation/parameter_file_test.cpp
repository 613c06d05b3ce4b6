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

}  // namespace
}  // namespace frontend
