#include "frontend/dialogs/dialog_placement.h"

#include <QScreen>
#include <QWidget>

#include "frontend/main_window/screen_fit.h"

namespace frontend {

QPoint StraddlingPosition(const QRect& mainFrame, int dialogWidth) {
  constexpr int kOverlap = 15;  // pixels of the dialog above the main window's bottom edge
  return {mainFrame.left() + (mainFrame.width() - dialogWidth) / 2,
          mainFrame.top() + mainFrame.height() - kOverlap};
}

QPoint DialogPosition(const QRect& mainFrame, const QSize& dialogFrame, const QRect& available) {
  const QRect straddling(StraddlingPosition(mainFrame, dialogFrame.width()), dialogFrame);
  return KeptInside(straddling, available).topLeft();
}

void PlaceStraddling(QWidget* dialog, const QWidget* mainWindow) {
  if (mainWindow == nullptr) return;
  QMargins frame = FrameMargins(dialog->frameGeometry(), dialog->geometry());
  // Before its first showing the window system has not told the dialog's
  // frame yet; it is drawn like the main window's.
  if (frame.isNull()) frame = FrameMargins(mainWindow->frameGeometry(), mainWindow->geometry());
  const QRect available = mainWindow->screen()->availableGeometry();
  dialog->move(
      DialogPosition(mainWindow->frameGeometry(), dialog->size().grownBy(frame), available));
}

}  // namespace frontend
