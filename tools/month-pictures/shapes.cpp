#include "shapes.h"

#include <algorithm>
#include <cmath>

namespace month_pictures {
namespace {

struct Lens {
  double centreOffset;  // distance of both arc centres from the axis
  double radius;
};

// Two circles through the petal's ends, placed symmetrically about the axis.
Lens LensOf(double from, double to, double halfWidth) {
  const double half = (to - from) / 2;
  const double sum = half * half / halfWidth;  // radius + centre offset
  return {(sum - halfWidth) / 2, (sum + halfWidth) / 2};
}

// How far p lies inside the petal (negative outside).
double PetalDepth(Point p, double from, double to, double halfWidth) {
  const Lens lens = LensOf(from, to, halfWidth);
  const double mid = (from + to) / 2;
  const double upper = lens.radius - Length({p.x - mid, p.y + lens.centreOffset});
  const double lower = lens.radius - Length({p.x - mid, p.y - lens.centreOffset});
  return std::min(upper, lower);
}

}  // namespace

double Length(Point p) {
  return std::hypot(p.x, p.y);
}

Point Rotate(Point p, double radians) {
  const double c = std::cos(radians);
  const double s = std::sin(radians);
  return {p.x * c - p.y * s, p.x * s + p.y * c};
}

Point FoldRotation(Point p, int n) {
  const double sector = 2 * kPi / n;
  const double angle = std::atan2(p.y, p.x);
  const double turns = std::round(angle / sector);
  return Rotate(p, -turns * sector);
}

bool Ring(Point p, double radius, double width) {
  return std::abs(Length(p) - radius) <= width / 2;
}

bool Disc(Point p, Point center, double radius) {
  return Length({p.x - center.x, p.y - center.y}) <= radius;
}

bool Stroke(Point p, Point a, Point b, double width) {
  const Point ab{b.x - a.x, b.y - a.y};
  const Point ap{p.x - a.x, p.y - a.y};
  const double t = std::clamp((ap.x * ab.x + ap.y * ab.y) / (ab.x * ab.x + ab.y * ab.y), 0.0, 1.0);
  return Length({ap.x - t * ab.x, ap.y - t * ab.y}) <= width / 2;
}

bool Petal(Point p, double from, double to, double halfWidth) {
  return PetalDepth(p, from, to, halfWidth) >= 0;
}

bool PetalOutline(Point p, double from, double to, double halfWidth, double width) {
  const double depth = PetalDepth(p, from, to, halfWidth);
  return depth >= -width / 2 && depth <= width / 2;
}

bool Ray(Point p, double from, double to, double halfBase) {
  if (p.x < from || p.x > to) return false;
  return std::abs(p.y) <= halfBase * (to - p.x) / (to - from);
}

bool SquareOutline(Point p, double half, double width) {
  return std::abs(std::max(std::abs(p.x), std::abs(p.y)) - half) <= width / 2;
}

}  // namespace month_pictures
