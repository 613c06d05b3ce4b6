// The zone box: the difference from Greenwich in hours, or hours and minutes
// ("3", "5:30", "-3:30"), from -12:00 to +14:00. Like the other number boxes it
// lets the user type freely and settles the value afterwards.
#pragma once

#include <QAbstractSpinBox>
#include <cstdint>

class TZoneSpinEdit : public QAbstractSpinBox {
  Q_OBJECT

 public:
  explicit TZoneSpinEdit(int32_t hours, QWidget* parent = nullptr);

  // The typed offset in minutes east, clamped to the range; text that does not
  // read as an offset reads as the minimum, as in the other number boxes.
  int32_t minutes() const;
  // Shows `minutes` clamped to the range.
  void setMinutes(int32_t minutes);
  // A whole-hour zone.
  void setValue(int32_t hours) { setMinutes(hours * 60); }

  // Arrows and arrow keys step by one hour and keep the minutes.
  void stepBy(int steps) override;

 signals:
  // The user changed the value: by typing, or with the arrows.
  void edited();

 protected:
  QValidator::State validate(QString& input, int& pos) const override;
  StepEnabled stepEnabled() const override;
  void keyPressEvent(QKeyEvent* event) override;
  void focusOutEvent(QFocusEvent* event) override;

 private:
  static bool isAcceptedCharacter(QChar c);
};
