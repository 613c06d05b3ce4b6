#include "frontend/widgets/spinedit.h"

#include "frontend/widgets/refused_keys.h"

#include <QKeyEvent>
#include <QLineEdit>
#include <QLocale>
#include <QRegularExpression>
#include <algorithm>

#include "frontend/resources/user_locale.h"

namespace {

// Whole number with an optional sign and nothing else around it.
bool ParseWholeNumber(const QString& text, int64_t& value) {
  static const QRegularExpression pattern(QStringLiteral("^[+-]?[0-9]{1,18}$"));
  if (!pattern.match(text).hasMatch()) return false;
  bool ok = false;
  value = text.toLongLong(&ok);
  return ok;
}

}  // namespace

TSpinEdit::TSpinEdit(int32_t minValue, int32_t maxValue, int32_t value, QWidget* parent)
    : QAbstractSpinBox(parent), minValue_(minValue), maxValue_(maxValue) {
  setCorrectionMode(QAbstractSpinBox::CorrectToPreviousValue);
  setKeyboardTracking(true);
  setValue(value);
  connect(lineEdit(), &QLineEdit::textEdited, this, &TSpinEdit::edited);
}

int32_t TSpinEdit::value() const {
  int64_t number = 0;
  if (!ParseWholeNumber(lineEdit()->text(), number)) return minValue_;
  return clamp(number);
}

void TSpinEdit::setValue(int32_t value) {
  lineEdit()->setText(QString::number(clamp(value)));
}

void TSpinEdit::stepBy(int steps) {
  setValue(clamp(int64_t{value()} + steps));
  selectAll();
  emit edited();
}

QValidator::State TSpinEdit::validate(QString& input, int& /*pos*/) const {
  // Anything made of the accepted characters may stand while typing; the value
  // is settled when it is read or the box is left.
  for (const QChar c : input) {
    if (!isAcceptedCharacter(c)) return QValidator::Invalid;
  }
  return QValidator::Acceptable;
}

QAbstractSpinBox::StepEnabled TSpinEdit::stepEnabled() const {
  const int32_t current = value();
  StepEnabled enabled = StepNone;
  if (current < maxValue_) enabled |= StepUpEnabled;
  if (current > minValue_) enabled |= StepDownEnabled;
  return enabled;
}

void TSpinEdit::keyPressEvent(QKeyEvent* event) {
  if (RefuseUnacceptedKey(event, [this](QChar c) { return isAcceptedCharacter(c); })) return;
  QAbstractSpinBox::keyPressEvent(event);
}

void TSpinEdit::focusOutEvent(QFocusEvent* event) {
  setValue(value());
  QAbstractSpinBox::focusOutEvent(event);
}

bool TSpinEdit::isAcceptedCharacter(QChar c) const {
  return (c >= u'0' && c <= u'9') || c == u'+' || c == u'-' ||
         c == UserLocale().decimalPoint().front() || !c.isPrint();
}

int32_t TSpinEdit::clamp(int64_t value) const {
  return static_cast<int32_t>(std::clamp<int64_t>(value, minValue_, maxValue_));
}
