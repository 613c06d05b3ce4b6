#include "frontend/main_window/screen_fit.h"

#include <algorithm>

namespace frontend {

namespace {

// Start of a span `length` long kept inside [first, first + room).
int KeptStart(int start, int length, int first, int room) {
  if (length >= room) return first;
  return std::clamp(start, first, first + room - length);
}

}  // namespace

QRect KeptInside(const QRect& rect, const QRect& available) {
  return {KeptStart(rect.left(), rect.width(), available.left(), available.width()),
          KeptStart(rect.top(), rect.height(), available.top(), available.height()), rect.width(),
          rect.height()};
}

QRect MainWindowFrame(const QRect& designed, const QRect& available, int scrollBarWidth) {
  if (available.contains(designed)) return designed;
  QRect frame = designed;
  if (frame.height() > available.height()) {
    frame.setHeight(available.height());
    frame.setWidth(frame.width() + scrollBarWidth);
  }
  return KeptInside(frame, available);
}

QMargins FrameMargins(const QRect& frame, const QRect& client) {
  return {client.left() - frame.left(), client.top() - frame.top(), frame.right() - client.right(),
          frame.bottom() - client.bottom()};
}

}  // namespace frontend
