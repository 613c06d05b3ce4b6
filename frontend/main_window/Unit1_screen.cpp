// Keeping the main window on its screen: at its designed place where it fits,
// else moved inside the screen's free area, its contents scrolling when the
// screen is lower than the window.
#include <QGuiApplication>
#include <QScreen>
#include <QScrollArea>
#include <QScrollBar>
#include <QShowEvent>
#include <QStyle>
#include <QWindow>

#include "frontend/main_window/Unit1.h"
#include "frontend/main_window/screen_fit.h"

void TForm1::showEvent(QShowEvent* event) {
  QWidget::showEvent(event);
  if (event->spontaneous()) return;
  KeepOnScreen();
  // The window system tells the frame's size only once the window is on the
  // screen, so the placement is made again when the window is first drawn.
  if (!placedWithFrame_) windowHandle()->installEventFilter(this);
}

bool TForm1::eventFilter(QObject* watched, QEvent* event) {
  if (watched == windowHandle() && event->type() == QEvent::Expose && !placedWithFrame_) {
    KeepOnScreen();
  }
  return QWidget::eventFilter(watched, event);
}

void TForm1::KeepOnScreen() {
  const QMargins frame = frontend::FrameMargins(frameGeometry(), geometry());
  placedWithFrame_ = !frame.isNull();
  const QRect designed(kDesignedPosition, QSize(kClientWidth, kClientHeight).grownBy(frame));
  QScreen* screen = QGuiApplication::screenAt(designed.topLeft());
  if (screen == nullptr) screen = this->screen();
  const int scrollBarWidth = clientScroller_->style()->pixelMetric(
      QStyle::PM_ScrollBarExtent, nullptr, clientScroller_->verticalScrollBar());
  const QRect fitted =
      frontend::MainWindowFrame(designed, screen->availableGeometry(), scrollBarWidth);
  setFixedSize(fitted.size().shrunkBy(frame));
  if (frameGeometry().topLeft() != fitted.topLeft()) move(fitted.topLeft());
}
