#include "frontend/widgets/time_box.h"

#include "frontend/birth/typed_date.h"

TTimeBox::TTimeBox(QWidget* parent) : TTypedBox(parent) {
  ShowValue();
}

void TTimeBox::setTime(QTime time) {
  TakeTime(time);
  ShowValue();
}

void TTimeBox::TakeTime(QTime time) {
  const bool changed = time != time_;
  time_ = time;
  if (changed) emit timeChanged(time_);
}

QString TTimeBox::Read(const QString& text) {
  const frontend::TimeReading reading = frontend::ReadTypedTime(text);
  if (!reading.time) return reading.refusal;
  TakeTime(*reading.time);
  return {};
}

QString TTimeBox::EditingText() const {
  return time_.toString(QStringLiteral("H:mm"));
}
