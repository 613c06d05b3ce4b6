#include "frontend/widgets/zone_spinedit.h"

#include "frontend/widgets/refused_keys.h"

#include <QKeyEvent>
#include <QLineEdit>
#include <algorithm>

#include "frontend/places/zone_offset.h"

namespace {

int32_t ClampedZone(int64_t minutes) {
  return static_cast<int32_t>(
      std::clamp<int64_t>(minutes, frontend::kFirstZoneMinutes, frontend::kLastZoneMinutes));
}

}  // namespace

TZoneSpinEdit::TZoneSpinEdit(int32_t hours, QWidget* parent) : QAbstractSpinBox(parent) {
  setCorrectionMode(QAbstractSpinBox::CorrectToPreviousValue);
  setKeyboardTracking(true);
  setValue(hours);
  connect(lineEdit(), &QLineEdit::textEdited, this, &TZoneSpinEdit::edited);
}

int32_t TZoneSpinEdit::minutes() const {
  const auto typed = frontend::ReadZoneOffset(lineEdit()->text());
  return typed ? ClampedZone(*typed) : frontend::kFirstZoneMinutes;
}

void TZoneSpinEdit::setMinutes(int32_t minutes) {
  lineEdit()->setText(frontend::ZoneOffsetText(ClampedZone(minutes)));
}

void TZoneSpinEdit::stepBy(int steps) {
  setMinutes(ClampedZone(int64_t{minutes()} + int64_t{steps} * 60));
  selectAll();
  emit edited();
}

QValidator::State TZoneSpinEdit::validate(QString& input, int& /*pos*/) const {
  for (const QChar c : input) {
    if (!isAcceptedCharacter(c)) return QValidator::Invalid;
  }
  return QValidator::Acceptable;
}

QAbstractSpinBox::StepEnabled TZoneSpinEdit::stepEnabled() const {
  const int32_t current = minutes();
  StepEnabled enabled = StepNone;
  if (current < frontend::kLastZoneMinutes) enabled |= StepUpEnabled;
  if (current > frontend::kFirstZoneMinutes) enabled |= StepDownEnabled;
  return enabled;
}

void TZoneSpinEdit::keyPressEvent(QKeyEvent* event) {
  if (RefuseUnacceptedKey(event, &TZoneSpinEdit::isAcceptedCharacter)) return;
  QAbstractSpinBox::keyPressEvent(event);
}

void TZoneSpinEdit::focusOutEvent(QFocusEvent* event) {
  setMinutes(minutes());
  QAbstractSpinBox::focusOutEvent(event);
}

// Digits, a sign, ":" between hours and minutes, and either decimal mark.
bool TZoneSpinEdit::isAcceptedCharacter(QChar c) {
  return (c >= u'0' && c <= u'9') || c == u'+' || c == u'-' || c == u':' || c == u'.' ||
         c == u',' || !c.isPrint();
}
