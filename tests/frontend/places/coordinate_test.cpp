// Coordinates keep their side apart from the degrees: less than one degree
// south or west is still south or west.
#include <gtest/gtest.h>

#include "frontend/places/coordinate.h"

namespace frontend {
namespace {

using Axis = CoordinateAxis;

TEST(Coordinate, TypedTextReadsWithItsSide) {
  struct Case {
    const char* text;
    std::optional<Coordinate> expected;
  };
  const Case cases[] = {
      {"53:54", Coordinate{false, 53, 54}},
      {"-0:13", Coordinate{true, 0, 13}},   // Accra, west of Greenwich
      {"-0:08", Coordinate{true, 0, 8}},    // London
      {"+0:08", Coordinate{false, 0, 8}},
      {"-33", Coordinate{true, 33, 0}},
      {" -34:36 ", Coordinate{true, 34, 36}},
      {"45:60", Coordinate{false, 46, 0}},  // a full 60 minutes is the next degree
      {"-0:60", Coordinate{true, 1, 0}},
      {"45:61", std::nullopt},
      {"53.54", std::nullopt},
      {"--1:00", std::nullopt},
      {"", std::nullopt},
      {"1234:00", std::nullopt},
  };
  for (const Case& c : cases) EXPECT_EQ(ReadCoordinateText(QString::fromUtf8(c.text)), c.expected) << c.text;
}

TEST(Coordinate, RangeEndsAtTheLimitWithZeroMinutes) {
  struct Case {
    Coordinate value;
    Axis axis;
    bool within;
  };
  const Case cases[] = {
      {{false, 90, 0}, Axis::kLatitude, true},    {{true, 90, 0}, Axis::kLatitude, true},
      {{false, 90, 1}, Axis::kLatitude, false},   {{true, 89, 59}, Axis::kLatitude, true},
      {{false, 91, 0}, Axis::kLatitude, false},   {{false, 91, 0}, Axis::kLongitude, true},
      {{true, 180, 0}, Axis::kLongitude, true},   {{false, 180, 1}, Axis::kLongitude, false},
      {{false, 10, 60}, Axis::kLongitude, false},  // not carried yet
  };
  for (const Case& c : cases) {
    EXPECT_EQ(WithinRange(c.value, c.axis), c.within)
        << c.value.negative << c.value.degrees << ":" << c.value.minutes;
  }
}

TEST(Coordinate, TextsForTheCalculatorAndForPeople) {
  struct Case {
    Coordinate value;
    Axis axis;
    const char* calculator;
    const char* people;
    int32_t signedMinutes;
  };
  const Case cases[] = {
      {{true, 0, 8}, Axis::kLongitude, "-0.8", "0° 8′ з. д.", -8},
      {{true, 0, 10}, Axis::kLatitude, "-0.10", "0° 10′ ю. ш.", -10},
      {{false, 0, 8}, Axis::kLongitude, "0.8", "0° 8′ в. д.", 8},
      {{false, 51, 31}, Axis::kLatitude, "51.31", "51° 31′ с. ш.", 51 * 60 + 31},
      {{true, 58, 27}, Axis::kLongitude, "-58.27", "58° 27′ з. д.", -(58 * 60 + 27)},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(CalculatorCoordinateText(c.value), c.calculator);
    EXPECT_EQ(CoordinateText(c.value, c.axis), QString::fromUtf8(c.people));
    EXPECT_EQ(SignedArcMinutes(c.value), c.signedMinutes);
    EXPECT_EQ(CoordinateFromArcMinutes(c.signedMinutes), c.value);
  }
}

}  // namespace
}  // namespace frontend
