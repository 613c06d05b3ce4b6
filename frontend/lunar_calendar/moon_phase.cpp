#include "frontend/lunar_calendar/moon_phase.h"

#include <algorithm>
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
  return MoonPhaseOf(apart.longitude / 3600.0);
}

MoonPhase MoonPhaseOf(double elongation) {
  MoonPhase phase;
  phase.elongation = std::fmod(std::fmod(elongation, 360) + 360, 360);
  phase.litFraction = (1 - std::cos(phase.elongation * std::numbers::pi / 180)) / 2;
  phase.waxing = phase.elongation < 180;
  return phase;
}

namespace {

// The elongation at `to` counted on from the one at `from`, across 360.
double Unwrapped(const MoonPhase& from, const MoonPhase& to) {
  return to.elongation < from.elongation ? to.elongation + 360 : to.elongation;
}

}  // namespace

MoonPhase PhaseBetween(int64_t fromUtc, const MoonPhase& from, int64_t toUtc, const MoonPhase& to,
                       int64_t atUtc) {
  if (toUtc <= fromUtc) return from;
  const double share = double(atUtc - fromUtc) / double(toUtc - fromUtc);
  return MoonPhaseOf(from.elongation + share * (Unwrapped(from, to) - from.elongation));
}

int64_t FullMoonBetween(int64_t fromUtc, const MoonPhase& from, int64_t toUtc,
                        const MoonPhase& to) {
  // Secant steps on the elongation, keeping the crossing enclosed; the
  // Moon's speed changes little within a day, so two or three steps bring
  // it within seconds.
  double low = from.elongation;
  double high = Unwrapped(from, to);
  for (int step = 0; step < 4 && toUtc - fromUtc > 60; ++step) {
    const int64_t guess = std::clamp<int64_t>(
        fromUtc + std::llround((180 - low) / (high - low) * double(toUtc - fromUtc)), fromUtc + 1,
        toUtc - 1);
    const MoonPhase there = MoonPhaseAt(guess);
    double elongation = there.elongation;
    if (elongation < low - 180) elongation += 360;          // past a wrap, not before
    if (std::abs(elongation - 180) < 0.0003) return guess;  // about a second of the Moon's motion
    if (elongation < 180) {
      fromUtc = guess;
      low = elongation;
    } else {
      toUtc = guess;
      high = elongation;
    }
  }
  return fromUtc + std::llround((180 - low) / (high - low) * double(toUtc - fromUtc));
}

PrincipalPhase PrincipalPhaseBetween(const MoonPhase& from, const MoonPhase& to) {
  // The elongation grows by about 12 degrees a day; within a day it crosses
  // 0 when it wraps round, and 180 when it passes from waxing to waning.
  if (to.elongation < from.elongation) return PrincipalPhase::kNewMoon;
  if (from.waxing && !to.waxing) return PrincipalPhase::kFullMoon;
  return PrincipalPhase::kNone;
}

}  // namespace frontend
