// Where the calculation dialogs stand: across the main window's bottom edge,
// centred horizontally, so the results above stay in view.
#pragma once

#include <QPoint>
#include <QRect>

class QWidget;

namespace frontend {

// Top-left corner for a dialog `dialogWidth` wide (outer size) against the main
// window's outer rectangle: 15 pixels above its bottom edge, centred with the
// half-difference truncated toward zero.
QPoint StraddlingPosition(const QRect& mainFrame, int dialogWidth);

// Moves `dialog` there; does nothing without a main window.
void PlaceStraddling(QWidget* dialog, const QWidget* mainWindow);

}  // namespace frontend
