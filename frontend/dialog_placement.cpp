#include "frontend/dialog_placement.h"

#include <QWidget>

namespace frontend {

QPoint StraddlingPosition(const QRect& mainFrame, int dialogWidth) {
  constexpr int kOverlap = 15;  // pixels of the dialog above the main window's bottom edge
  return {mainFrame.left() + (mainFrame.width() - dialogWidth) / 2,
          mainFrame.top() + mainFrame.height() - kOverlap};
}

void PlaceStraddling(QWidget* dialog, const QWidget* mainWindow) {
  if (mainWindow == nullptr) return;
  dialog->move(StraddlingPosition(mainWindow->frameGeometry(), dialog->frameGeometry().width()));
}

}  // namespace frontend
