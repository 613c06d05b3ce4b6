#include "frontend/widgets/typed_box.h"

#include <QFocusEvent>
#include <QKeyEvent>
#include <QPalette>

TTypedBox::TTypedBox(QWidget* parent) : QLineEdit(parent) {
  connect(this, &QLineEdit::textEdited, this, [this] { typed_ = true; });
}

bool TTypedBox::Commit() {
  if (!typed_) return !Refused();
  const QString refusal = Read(text());
  if (!refusal.isEmpty()) {
    SetRefusal(refusal);
    return false;
  }
  ShowValue();
  return true;
}

void TTypedBox::ShowValue() {
  typed_ = false;
  SetRefusal({});
  setText(hasFocus() ? EditingText() : RestingText());
}

void TTypedBox::SetRefusal(const QString& refusal) {
  if (refusal == refusal_) return;
  refusal_ = refusal;
  // Marked by colour for the eye and by its description for a screen reader.
  QPalette marked = QPalette();
  if (Refused()) {
    marked.setColor(QPalette::Base, QColor(0xff, 0xdd, 0xdd));
    marked.setColor(QPalette::Text, QColor(0x90, 0x00, 0x00));
  }
  setPalette(marked);
  setAccessibleDescription(refusal_);
  emit refusalChanged(refusal_);
}

void TTypedBox::focusInEvent(QFocusEvent* event) {
  // The numeric form is the one to type over; a refused text stays as typed.
  if (!typed_ && !Refused()) setText(EditingText());
  QLineEdit::focusInEvent(event);
  if (event->reason() == Qt::TabFocusReason || event->reason() == Qt::BacktabFocusReason) {
    selectAll();
  }
}

void TTypedBox::focusOutEvent(QFocusEvent* event) {
  QLineEdit::focusOutEvent(event);
  // A pop-up of the box itself (its context menu) does not end the typing.
  if (event->reason() == Qt::PopupFocusReason) return;
  if (Commit() && !Refused()) setText(RestingText());
}

void TTypedBox::keyPressEvent(QKeyEvent* event) {
  if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
    // Read at once, so that a two-digit year shows in full; Enter then goes
    // on to the window, which presses "Расчет".
    Commit();
    event->ignore();
    return;
  }
  QLineEdit::keyPressEvent(event);
}
