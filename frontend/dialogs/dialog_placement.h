// Where the calculation dialogs stand: across the main window's bottom edge,
// centred horizontally, so the results above stay in view; always on the
// screen, over the main window.
#pragma once

#include <QPoint>
#include <QRect>
#include <QSize>

class QWidget;

namespace frontend {

// Top-left corner for a dialog `dialogWidth` wide (outer size) against the main
// window's outer rectangle: 15 pixels above its bottom edge, centred with the
// half-difference truncated toward zero.
QPoint StraddlingPosition(const QRect& mainFrame, int dialogWidth);

// The straddling position where the dialog (outer size `dialogFrame`) fits in
// the screen's available area, else the nearest position inside it; the main
// window being on the screen, the dialog then stands over its lower part.
QPoint DialogPosition(const QRect& mainFrame, const QSize& dialogFrame, const QRect& available);

// Moves `dialog` there on the main window's screen; does nothing without a
// main window.
void PlaceStraddling(QWidget* dialog, const QWidget* mainWindow);

}  // namespace frontend
