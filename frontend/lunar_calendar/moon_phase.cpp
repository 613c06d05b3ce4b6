#include "frontend/lunar_calendar/moon_phase.h"

#include <cmath>
#include <numbers>

#include "calculator/positions.h"

namespace frontend {
namespace {

constexpr int64_t kSecondsPerDay = 86400;
constexpr int64_t kUnixEpochDay = 2440588;  // Julian day number of 1970-01-01

int64_t FloorDiv(int64_t value, int64_t divisor) {
  return value >= 0 ? value / divisor : -((-value + divisor - 1) / divisor);
}

}  // namespace

MoonPhase MoonPhaseAt(int64_t utc) {
  const int64_t day = FloorDiv(utc, kSecondsPerDay);
  moon::MomentRecord moment;
  moon::InitMoment(moment);
  moment.dateTime.dateGiven = true;
  moment.dateTime.timeKind = moon::TimeKind::kFull;
  moment.dateTime.julianDay = static_cast<int32_t>(day + kUnixEpochDay);
  moment.dateTime.secondsOfDay = static_cast<int32_t>(utc - day * kSecondsPerDay);
  moment.dateTime.referenceSecondsOfDay = moment.dateTime.secondsOfDay;
  moment.dateTime.timeZone = 0;
  moon::Chart chart = moon::MakeChart(moment);
  const moon::PositionRecord sun = moon::EvaluateBody(chart, moon::kSun);
  const moon::PositionRecord moonBody = moon::EvaluateBody(chart, moon::kMoon);
  const moon::PositionRecord apart = moon::Difference(moonBody, sun);
  MoonPhase phase;
  phase.elongation = apart.longitude / 3600.0;
  phase.litFraction = (1 - std::cos(phase.elongation * std::numbers::pi / 180)) / 2;
  phase.waxing = apart.longitude < moon::kHalfCircle;
  return phase;
}

PrincipalPhase PrincipalPhaseBetween(const MoonPhase& from, const MoonPhase& to) {
  // The elongation grows by about 12 degrees a day; within a day it crosses
  // 0 when it wraps round, and 180 when it passes from waxing to waning.
  if (to.elongation < from.elongation) return PrincipalPhase::kNewMoon;
  if (from.waxing && !to.waxing) return PrincipalPhase::kFullMoon;
  return PrincipalPhase::kNone;
}

}  // namespace frontend
