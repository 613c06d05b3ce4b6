// An integer spin box that lets the user type freely and settles the value
// afterwards, instead of refusing out-of-range input while it is typed.
#pragma once

#include <QAbstractSpinBox>
#include <cstdint>

class TSpinEdit : public QAbstractSpinBox {
  Q_OBJECT

 public:
  TSpinEdit(int32_t minValue, int32_t maxValue, int32_t value, QWidget* parent = nullptr);

  int32_t minValue() const { return minValue_; }
  int32_t maxValue() const { return maxValue_; }

  // The typed text as a whole number clamped to the range; text that is not a
  // whole number reads as the minimum.
  int32_t value() const;
  // Shows `value` clamped to the range.
  void setValue(int32_t value);

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
  bool isAcceptedCharacter(QChar c) const;
  int32_t clamp(int64_t value) const;

  int32_t minValue_;
  int32_t maxValue_;
};
