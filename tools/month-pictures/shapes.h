// Ink tests for the elements of the solar signs. Coordinates are in picture
// units: the picture spans -1..1 on both axes, y pointing up; every test tells
// whether a point lies on the element.
#pragma once

namespace month_pictures {

inline constexpr double kPi = 3.14159265358979323846;

struct Point {
  double x = 0;
  double y = 0;
};

double Length(Point p);
Point Rotate(Point p, double radians);

// Rotates p by a multiple of 2π/n so that it ends up within ±π/n of the
// positive x axis: an element drawn along that axis then repeats n times.
Point FoldRotation(Point p, int n);

// Circle of the given radius drawn with a line of the given width.
bool Ring(Point p, double radius, double width);
bool Disc(Point p, Point center, double radius);
// Straight stroke from a to b with round ends.
bool Stroke(Point p, Point a, Point b, double width);

// Lens-shaped petal along the positive x axis from x = from to x = to, bounded
// by two circular arcs; halfWidth is its widest half-width (at the middle).
bool Petal(Point p, double from, double to, double halfWidth);
// Outline of that petal drawn with a line of the given width.
bool PetalOutline(Point p, double from, double to, double halfWidth, double width);

// Triangular ray along the positive x axis: base of half-width halfBase at
// x = from narrowing to a point at x = to.
bool Ray(Point p, double from, double to, double halfBase);

// Outline of a square centred at the origin with half-side `half`.
bool SquareOutline(Point p, double half, double width);

}  // namespace month_pictures
