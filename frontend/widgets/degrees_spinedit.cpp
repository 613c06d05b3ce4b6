#include "frontend/widgets/degrees_spinedit.h"

#include <QLineEdit>
#include <cstdlib>

TDegreesSpinEdit::TDegreesSpinEdit(frontend::CoordinateAxis axis, int32_t value, QWidget* parent)
    : TSpinEdit(-frontend::LimitDegrees(axis), frontend::LimitDegrees(axis), value, parent),
      axis_(axis) {}

bool TDegreesSpinEdit::negative() const {
  // Text that is not a number reads as the minimum, which is negative.
  return value() < 0 || (value() == 0 && lineEdit()->text().trimmed().startsWith(u'-'));
}

int32_t TDegreesSpinEdit::degrees() const {
  return std::abs(value());
}

void TDegreesSpinEdit::setDegrees(bool negative, int32_t degrees) {
  setValue(negative ? -degrees : degrees);
  // "-0" has no number of its own: the minus is put back by hand.
  if (negative && value() == 0) lineEdit()->setText(QStringLiteral("-0"));
}

void TDegreesSpinEdit::focusOutEvent(QFocusEvent* event) {
  // The plain box would write the number back and drop the minus of "-0".
  setDegrees(negative(), degrees());
  QAbstractSpinBox::focusOutEvent(event);
}
