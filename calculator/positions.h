// The position engine: ecliptic longitudes of the Sun, the Moon and the
// Ascendant (the rising degree of the ecliptic) for one moment at one place,
// referred to the mean equinox of date.
//
// Published angles are whole arc-seconds in signed 32-bit integers; a full
// circle is 1296000.
#pragma once

#include <array>
#include <cstdint>

#include "calculator/calendar.h"

namespace moon {

inline constexpr int32_t kFullCircle = 1296000;  // arc-seconds
inline constexpr int32_t kHalfCircle = 648000;   // arc-seconds

inline constexpr uint8_t kLongitudeValid = 1;
inline constexpr uint8_t kMotionValid = 2;

// One computed body.
struct PositionRecord {
  uint8_t flags = 0;      // kLongitudeValid | kMotionValid; 0 = empty
  int32_t longitude = 0;  // arc-seconds, 0 <= value < 1296000
  int32_t motion = 0;     // daily motion, arc-seconds per day

  bool HasLongitude() const { return (flags & kLongitudeValid) != 0; }
};

// Constant records of 0 and 180 degrees, for comparisons.
inline constexpr PositionRecord kZeroDegreesRecord{kLongitudeValid | kMotionValid, 0, 0};
inline constexpr PositionRecord kHalfCircleRecord{kLongitudeValid | kMotionValid, kHalfCircle, 0};

enum BodyCode : int {
  kSun = 1,
  kMoon = 2,
  kAscendant = 51,
};

inline constexpr int kChartSlots = 70;

// The working record for one moment: the moment, how much of it is known,
// the time quantities derived from it so far and one slot per body code.
// Build a fresh chart for every moment; nothing carries over.
struct Chart {
  MomentRecord moment;
  int8_t dataLevel = 0;  // completeness of the moment, 0..4
  int8_t stage = 0;      // how far the derived quantities below are computed, 0..4

  // Stage 1: time.
  double dayNumber = 0;  // days since 1899-12-31 00:00 UT
  double t = 0;          // Julian centuries from 1900 January 0.5, corrected by delta T
  double t2 = 0;         // T squared, taken before the delta T correction

  // Stage 2: sidereal time at Greenwich and the obliquity of the ecliptic.
  int32_t greenwichSiderealSeconds = 0;  // 0..86399
  double obliquity = 0;                  // radians
  double cosObliquity = 0;
  double tanObliquity = 0;

  // Stage 3: local sidereal time.
  int32_t localSiderealSeconds = 0;  // 0..86399
  double siderealAngle = 0;          // radians
  double cosSiderealAngle = 0;
  double sinSiderealAngle = 0;

  // Stage 4: the place's latitude.
  double latitude = 0;               // radians
  double latitudeObliquityTerm = 0;  // sin(latitude) * tan(obliquity) / cos(latitude)

  std::array<PositionRecord, kChartSlots> slots{};  // slot n - 1 holds body code n
};

// A chart for `moment` with every slot empty and no derived quantity yet.
Chart MakeChart(const MomentRecord& moment);

// Computes the body into its slot unless already there, and returns the slot.
// The Sun and the Moon need a date; the Ascendant needs date, time, latitude
// and longitude, otherwise its record stays empty. An unknown body code gives
// an empty record.
PositionRecord EvaluateBody(Chart& chart, int bodyCode);

// a - b, longitude reduced to 0..1295999; fields whose flag is not common to
// both are 0.
PositionRecord Difference(const PositionRecord& a, const PositionRecord& b);

// How two longitudes compare; kMissing when either has none.
enum class LongitudeOrder { kMissing, kEqual, kLess, kGreater };
LongitudeOrder CompareLongitudes(const PositionRecord& a, const PositionRecord& b);

}  // namespace moon
