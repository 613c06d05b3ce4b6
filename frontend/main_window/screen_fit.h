// Keeping windows on the screen: pure geometry on outer (frame) rectangles in
// device-independent pixels, the screen given by its available area (without
// task bars and panels).
#pragma once

#include <QMargins>
#include <QRect>

namespace frontend {

// `rect` moved the shortest way to lie inside `available`. Along a side longer
// than the area it keeps to the area's top or left, where the title bar and
// the window's first controls are.
QRect KeptInside(const QRect& rect, const QRect& available);

// The main window's frame on a screen: at its designed place where it fits
// there, else moved inside the area. A window taller than the area is cut to
// the area's height and its contents scroll: it grows by the vertical scroll
// bar's width so that nothing is hidden behind the bar.
QRect MainWindowFrame(const QRect& designed, const QRect& available, int scrollBarWidth);

// The window frame's thickness on each side, from the outer and inner rectangles.
QMargins FrameMargins(const QRect& frame, const QRect& client);

}  // namespace frontend
