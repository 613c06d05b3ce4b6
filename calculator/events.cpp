#include "calculator/events.h"

namespace moon {
namespace {

// Mean synodic rate of the elongation: 1296000" in 29.5305888641 days.
constexpr long double kSynodicArcSecondsPerDay = 43886.69680657084L;

// A new moon is reached once the remaining distance is below this (arc-seconds).
constexpr int32_t kConjunctionTolerance = 10;
// With the first-month flag, an elongation below this (arc-seconds, 1 degree)
// counts as a full lunation, so the search goes one lunation further back.
constexpr int32_t kJustPastConjunction = 3600;

// Coarse moonrise step: 1/12 day, which moves a moment by 7199 seconds.
constexpr double kCoarseStepDays = 1.0 / 12.0;

// The bisection stops below this horizon difference (arc-seconds) or when
// the bracket is at most kFinestBracketSeconds wide.
constexpr int32_t kHorizonTolerance = 60;
constexpr int64_t kFinestBracketSeconds = 4;

// Iteration bounds, far above what any place or date needs: the new-moon
// search converges in a handful of steps; near the poles a moonrise can be
// a sidereal month (about 330 coarse steps) away; the bisection halves a
// 7199-second bracket about a dozen times.
constexpr int kMaxNewMoonIterations = 100;
constexpr int kMaxCoarseSteps = 12 * 120;  // 120 days
constexpr int kMaxBisections = 64;

bool AtLeastHalfCircle(const PositionRecord& r) {
  const LongitudeOrder order = CompareLongitudes(r, kHalfCircleRecord);
  return order == LongitudeOrder::kEqual || order == LongitudeOrder::kGreater;
}

bool AboveHalfCircle(const PositionRecord& r) {
  return CompareLongitudes(r, kHalfCircleRecord) == LongitudeOrder::kGreater;
}

// b - a in whole clock seconds; both moments are in the same time zone.
// Counted on the clocks rather than as a difference of day numbers, whose
// rounding residue would now and then let a 4-second bracket through and
// shift the moonrise (and every later search) by a second or more.
int64_t SecondsBetween(const MomentRecord& a, const MomentRecord& b) {
  return (int64_t{b.dateTime.julianDay} - a.dateTime.julianDay) * 86400 +
         (int64_t{b.dateTime.secondsOfDay} - a.dateTime.secondsOfDay);
}

}  // namespace

Evaluation Evaluate(const MomentRecord& moment) {
  Chart chart = MakeChart(moment);
  Evaluation e;
  e.sun = EvaluateBody(chart, kSun);
  e.moon = EvaluateBody(chart, kMoon);
  e.ascendant = EvaluateBody(chart, kAscendant);
  e.elongation = Difference(e.moon, e.sun);
  e.horizon = Difference(e.moon, e.ascendant);
  return e;
}

SearchStatus FindNewMoon(MomentRecord& moment, bool firstMonth) {
  bool firstIteration = true;
  for (int i = 0; i < kMaxNewMoonIterations; ++i) {
    Chart chart = MakeChart(moment);
    const PositionRecord sun = EvaluateBody(chart, kSun);
    const PositionRecord moon = EvaluateBody(chart, kMoon);
    const PositionRecord elongation = Difference(moon, sun);
    if (!elongation.HasLongitude()) return SearchStatus::kFailed;

    int32_t distance = 0;  // arc-seconds to go, negative backwards
    if (firstIteration && firstMonth) {
      distance = -elongation.longitude;
      if (elongation.longitude < kJustPastConjunction) distance -= kFullCircle;
    } else if (CompareLongitudes(elongation, kHalfCircleRecord) != LongitudeOrder::kGreater) {
      distance = -elongation.longitude;
    } else {
      distance = kFullCircle - elongation.longitude;
    }
    firstIteration = false;

    const bool close = distance > -kConjunctionTolerance && distance < kConjunctionTolerance;
    const double stepDays = static_cast<double>(distance / kSynodicArcSecondsPerDay);
    // The last step is applied too: it brings the moment within seconds of the conjunction.
    AddTime(moment.dateTime, stepDays);
    if (close) {
      moment.dateTime.timeKind = TimeKind::kFull;
      return SearchStatus::kFound;
    }
  }
  return SearchStatus::kNotConverging;
}

SearchStatus FindMoonriseBracket(MomentRecord& current, MoonriseBracket& bracket,
                                 Evaluation& last) {
  // Phase 1: get the horizon difference below half a circle.
  last = Evaluate(current);
  if (!last.ok()) return SearchStatus::kFailed;
  int steps = 0;
  while (AtLeastHalfCircle(last.horizon)) {
    if (++steps > kMaxCoarseSteps) return SearchStatus::kNotConverging;
    AddTime(current.dateTime, kCoarseStepDays);
    last = Evaluate(current);
    if (!last.ok()) return SearchStatus::kFailed;
  }
  // Phase 2: step until it wraps from just above 0 to just below a full circle.
  steps = 0;
  do {
    if (++steps > kMaxCoarseSteps) return SearchStatus::kNotConverging;
    bracket.before = current;
    AddTime(current.dateTime, kCoarseStepDays);
    bracket.after = current;
    last = Evaluate(current);
    if (!last.ok()) return SearchStatus::kFailed;
  } while (!AboveHalfCircle(last.horizon));
  return SearchStatus::kFound;
}

SearchStatus RefineMoonrise(MoonriseBracket& bracket, MomentRecord& current, Evaluation& last) {
  for (int i = 0; i < kMaxBisections; ++i) {
    current = Midpoint(bracket.before, bracket.after);
    last = Evaluate(current);
    if (!last.ok()) return SearchStatus::kFailed;
    if (AboveHalfCircle(last.horizon)) {
      bracket.after = current;
    } else {
      bracket.before = current;
    }
    const bool onHorizon = last.horizon.longitude < kHorizonTolerance;
    if (onHorizon || SecondsBetween(bracket.before, bracket.after) <= kFinestBracketSeconds) {
      return SearchStatus::kFound;
    }
  }
  return SearchStatus::kNotConverging;
}

bool NewLunationBegun(int lunarDay, const PositionRecord& previousElongation,
                      const PositionRecord& elongation) {
  constexpr int kFirstTestedLunarDay = 21;
  if (lunarDay < kFirstTestedLunarDay) return false;
  const int32_t change = elongation.longitude - previousElongation.longitude;
  return change > kHalfCircle || change < -kHalfCircle;
}

}  // namespace moon
