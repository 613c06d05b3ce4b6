// Lunar events: new moons (the Moon's longitude equals the Sun's) and
// moonrises (the Moon's longitude equals the Ascendant's), found on moments
// that move in whole seconds.
#pragma once

#include <cstdint>

#include "calculator/calendar.h"
#include "calculator/positions.h"

namespace moon {

// Positions of one moment and the two differences the searches follow.
struct Evaluation {
  PositionRecord sun;
  PositionRecord moon;
  PositionRecord ascendant;
  PositionRecord elongation;  // Moon - Sun
  PositionRecord horizon;     // Moon - Ascendant; decreases by about a turn a day

  // Without an elongation (no date) nothing can be searched.
  bool ok() const { return elongation.HasLongitude(); }
};

// Computes the Sun, the Moon and the Ascendant on a fresh chart.
Evaluation Evaluate(const MomentRecord& moment);

enum class SearchStatus {
  kFound,
  kFailed,         // an evaluation had no elongation
  kNotConverging,  // the iteration bound was reached
};

// Moves `moment` to the conjunction of the Sun and the Moon nearest to it.
// With `firstMonth` the search first steps backwards, one lunation further
// back when the Moon is less than 1 degree past the conjunction, so that the
// birth lies in the month found. On success the time kind becomes full.
SearchStatus FindNewMoon(MomentRecord& moment, bool firstMonth);

// Two moments 1/12 day (7199 s) apart with a moonrise between them.
struct MoonriseBracket {
  MomentRecord before;
  MomentRecord after;
};

// Steps `current` forward in 1/12-day steps until the horizon difference
// wraps through 0; `current` ends equal to `bracket.after`. Always takes at
// least one step, so a moonrise at `current` itself is not found again.
SearchStatus FindMoonriseBracket(MomentRecord& current, MoonriseBracket& bracket, Evaluation& last);

// Bisects the bracket down to the moonrise, which ends in `current` with its
// evaluation in `last`.
SearchStatus RefineMoonrise(MoonriseBracket& bracket, MomentRecord& current, Evaluation& last);

// True when the elongation has wrapped through 0 since the previous lunar-day
// start, i.e. a new moon lies between them. Only lunar days above 20 are tested.
bool NewLunationBegun(int lunarDay, const PositionRecord& previousElongation,
                      const PositionRecord& elongation);

}  // namespace moon
