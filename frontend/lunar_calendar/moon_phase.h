// The moon's phase at an instant, from the calculator's longitudes of the Sun
// and the Moon: the elongation (Moon minus Sun along the ecliptic) gives the
// lit fraction of the disc and whether it waxes or wanes.
#pragma once

#include <cstdint>

namespace frontend {

struct MoonPhase {
  double litFraction = 0;  // 0 new moon .. 1 full moon
  bool waxing = true;      // elongation under 180 degrees
  double elongation = 0;   // degrees, 0..360
};

// At `utc` (Unix seconds); the phase does not depend on the place.
MoonPhase MoonPhaseAt(int64_t utc);

// The phase from an elongation in degrees (any value; taken modulo 360).
MoonPhase MoonPhaseOf(double elongation);

// Between two instants at most a day or so apart, from the phases there: the
// elongation grows nearly evenly (10 to 15 degrees a day), so the phase in
// between is interpolated, which is close enough for a picture.
MoonPhase PhaseBetween(int64_t fromUtc, const MoonPhase& from, int64_t toUtc, const MoonPhase& to,
                       int64_t atUtc);

// The instant the elongation passes 180 degrees between two instants whose
// phases enclose the full moon, to within a minute: a secant step on the
// interpolated elongation, refined by a few more.
int64_t FullMoonBetween(int64_t fromUtc, const MoonPhase& from, int64_t toUtc, const MoonPhase& to);

// Which of the four principal phases falls within [fromUtc, toUtc): the new
// moon (elongation crossing 0) or the full moon (crossing 180), from the
// elongations at both ends.
enum class PrincipalPhase { kNone, kNewMoon, kFullMoon };
PrincipalPhase PrincipalPhaseBetween(const MoonPhase& from, const MoonPhase& to);

}  // namespace frontend
