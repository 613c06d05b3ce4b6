// The solar signs: one for each month and one for the program icon.
#pragma once

#include "shapes.h"

namespace month_pictures {

// Whether point p (picture units, see shapes.h) is red in the sign of month
// 1..12.
bool MonthSignInk(int month, Point p);

// The program's sign; pixel is the width of one pixel in picture units, so
// the strokes stay visible in 16 and 32 pixel icons.
bool IconSignInk(Point p, double pixel);

}  // namespace month_pictures
