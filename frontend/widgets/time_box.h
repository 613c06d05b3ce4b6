// The birth time box, "H:mm": hours and minutes typed as one text.
#pragma once

#include <QTime>

#include "frontend/widgets/typed_box.h"

class TTimeBox : public TTypedBox {
  Q_OBJECT

 public:
  explicit TTimeBox(QWidget* parent = nullptr);

  // The last time taken, with seconds when the program set it; a typed time
  // has none.
  QTime time() const { return time_; }
  void setTime(QTime time);

 signals:
  void timeChanged(QTime time);

 protected:
  QString Read(const QString& text) override;
  QString EditingText() const override;

 private:
  void TakeTime(QTime time);

  QTime time_{0, 0};
};
