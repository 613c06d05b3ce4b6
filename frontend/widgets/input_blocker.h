// Holds back the user's input to one window while it lasts, as a modal dialog
// would, but leaves the window's close button working: a modal dialog makes
// the toolkit refuse the window manager's close request outright.
#pragma once

#include <QObject>
#include <QPointer>
#include <QWidget>

class InputBlocker : public QObject {
 public:
  // `window` may be null; nothing is held back then.
  explicit InputBlocker(QWidget* window);
  ~InputBlocker() override;
  InputBlocker(const InputBlocker&) = delete;
  InputBlocker& operator=(const InputBlocker&) = delete;

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  QPointer<QWidget> window_;
};
