#include "symbols.h"

#include <algorithm>
#include <cmath>

namespace month_pictures {
namespace {

constexpr double kLine = 0.05;   // main stroke, 5 pixels in a 200-pixel picture
constexpr double kFine = 0.035;  // secondary stroke
constexpr Point kCentre{0, 0};

// January: six-petal thunder rosette, petals of the compass construction, in a
// double ring.
bool SixPetalRosette(Point p) {
  const Point f = FoldRotation(p, 6);
  return Ring(p, 0.9, 0.06) || Ring(p, 0.78, kFine) || Petal(f, 0, 0.78, 0.78 * 0.134 * 1.4);
}

// February: cross in a circle with a grain in each quarter.
bool CrossInCircle(Point p) {
  const Point f = FoldRotation(p, 4);
  const Point d = FoldRotation(Rotate(p, kPi / 4), 4);
  return Ring(p, 0.86, 0.08) || Stroke(f, kCentre, {0.82, 0}, 0.11) || Disc(d, {0.5, 0}, 0.1) ||
         Ring(p, 0.2, 0.05);
}

// March: rayed sun, a disc in a ring with twelve pointed rays.
bool RayedSun(Point p) {
  const Point f = FoldRotation(p, 12);
  return Disc(p, kCentre, 0.3) || Ring(p, 0.4, 0.045) || Ray(f, 0.48, 0.96, 0.13);
}

// April: eight-petal rosette with grains between the petal tips.
bool EightPetalRosette(Point p) {
  const Point f = FoldRotation(p, 8);
  const Point between = FoldRotation(Rotate(p, kPi / 8), 8);
  return Ring(p, 0.9, 0.06) || Petal(f, 0, 0.8, 0.14) || Disc(between, {0.68, 0}, 0.06) ||
         Disc(p, kCentre, 0.1);
}

// May: whirling rosette of twelve curved blades in a ring.
bool WhirlRosette(Point p) {
  const double r = Length(p);
  if (Ring(p, 0.9, 0.06) || Disc(p, kCentre, 0.09)) return true;
  constexpr double kInner = 0.13;
  constexpr double kOuter = 0.84;
  if (r < kInner || r > kOuter) return false;
  const double along = (r - kInner) / (kOuter - kInner);
  // Each blade turns by 1.3 rad from its root to its tip.
  const Point bent = Rotate(p, -1.3 * along);
  const Point f = FoldRotation(bent, 12);
  const double halfWidth = 0.075 * std::sin(kPi * along) + 0.01;
  return std::abs(f.y) <= halfWidth && f.x > 0;
}

// June: radiant sun, disc and ring with sixteen rays of alternating length.
bool RadiantSun(Point p) {
  const Point f = FoldRotation(p, 16);
  const Point longRay = FoldRotation(p, 8);
  return Disc(p, kCentre, 0.22) || Ring(p, 0.36, kLine) || Stroke(f, {0.48, 0}, {0.76, 0}, kLine) ||
         Stroke(longRay, {0.48, 0}, {0.95, 0}, kLine);
}

// July: outlined six-petal rosette with small petals between the large ones.
bool TwelvePetalFlower(Point p) {
  const Point f = FoldRotation(p, 6);
  const Point between = FoldRotation(Rotate(p, kPi / 6), 6);
  return Ring(p, 0.9, 0.06) || PetalOutline(f, 0, 0.82, 0.2, kLine) ||
         Petal(between, 0.52, 0.82, 0.08) || Disc(p, kCentre, 0.07);
}

// August: sun with eight wavy rays.
bool WavyRaySun(Point p) {
  if (Disc(p, kCentre, 0.26) || Ring(p, 0.34, kFine)) return true;
  const Point f = FoldRotation(p, 8);
  if (f.x < 0.42 || f.x > 0.92) return false;
  const double wave = 0.07 * std::sin((f.x - 0.42) / 0.5 * 2 * kPi);
  return std::abs(f.y - wave) <= 0.035;
}

// September: eight-spoked wheel.
bool EightSpokeWheel(Point p) {
  const Point f = FoldRotation(p, 8);
  return Ring(p, 0.86, 0.09) || Ring(p, 0.52, kFine) || Disc(p, kCentre, 0.17) ||
         Stroke(f, kCentre, {0.86, 0}, 0.065);
}

// October: rings of grains around a central sun.
bool GrainRosette(Point p) {
  const Point eight = FoldRotation(Rotate(p, kPi / 8), 8);
  const Point sixteen = FoldRotation(p, 16);
  return Disc(p, kCentre, 0.13) || Ring(p, 0.28, 0.045) || Disc(eight, {0.46, 0}, 0.08) ||
         Ring(p, 0.64, 0.045) || Disc(sixteen, {0.78, 0}, 0.055) || Ring(p, 0.92, 0.045);
}

// November: twelve-petal rosette around a small ring.
bool TwelvePetalRosette(Point p) {
  const Point f = FoldRotation(p, 12);
  return Ring(p, 0.9, 0.06) || Ring(p, 0.14, 0.045) || Petal(f, 0.2, 0.84, 0.09) ||
         Disc(p, kCentre, 0.05);
}

// December: eight-pointed star of two squares in a circle.
bool EightPointStar(Point p) {
  return Ring(p, 0.9, 0.06) || SquareOutline(p, 0.57, 0.06) ||
         SquareOutline(Rotate(p, kPi / 4), 0.57, 0.06) || Ring(p, 0.3, kFine) ||
         Disc(p, kCentre, 0.14);
}

}  // namespace

bool MonthSignInk(int month, Point p) {
  switch (month) {
    case 1:
      return SixPetalRosette(p);
    case 2:
      return CrossInCircle(p);
    case 3:
      return RayedSun(p);
    case 4:
      return EightPetalRosette(p);
    case 5:
      return WhirlRosette(p);
    case 6:
      return RadiantSun(p);
    case 7:
      return TwelvePetalFlower(p);
    case 8:
      return WavyRaySun(p);
    case 9:
      return EightSpokeWheel(p);
    case 10:
      return GrainRosette(p);
    case 11:
      return TwelvePetalRosette(p);
    case 12:
      return EightPointStar(p);
    default:
      return false;
  }
}

bool IconSignInk(Point p, double pixel) {
  // Lines at least about one pixel wide so the sign survives at 16 pixels.
  const Point f = FoldRotation(p, 6);
  return Ring(p, 0.9 - pixel / 2, std::max(0.1, 1.2 * pixel)) || Petal(f, 0, 0.78 - pixel, 0.13);
}

}  // namespace month_pictures
