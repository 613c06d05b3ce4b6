// Date and time boxes typed into like a form: Tab and Shift+Tab leave the box,
// while a separator key (":", ".", blank, "/", ",") moves on to the next part
// inside it, so "1:30" or "1.1.1900" typed over the box gives that value.
#pragma once

#include <QDateEdit>
#include <QKeyEvent>
#include <QLineEdit>
#include <QTimeEdit>
#include <algorithm>

// True for a key that ends one part of a typed date or time.
bool IsPartSeparator(const QKeyEvent& event);

template <typename Picker>
class TypedPicker : public Picker {
 public:
  using Picker::Picker;

 protected:
  bool event(QEvent* event) override {
    if (event->type() == QEvent::KeyPress) {
      const auto& key = static_cast<const QKeyEvent&>(*event);
      const bool tab = key.key() == Qt::Key_Tab || key.key() == Qt::Key_Backtab;
      if (tab && !(key.modifiers() & (Qt::ControlModifier | Qt::AltModifier))) {
        partReachedByTyping_ = false;
        QWidget::focusNextPrevChild(key.key() == Qt::Key_Tab &&
                                    !(key.modifiers() & Qt::ShiftModifier));
        return true;
      }
    }
    return Picker::event(event);
  }

  void keyPressEvent(QKeyEvent* event) override {
    if (IsPartSeparator(*event)) {
      event->accept();
      // A part filled to its last digit has already moved on by itself: the
      // separator typed after it must not skip the next part.
      if (!partReachedByTyping_) focusNextPrevChild(true);
      partReachedByTyping_ = false;
      return;
    }
    const bool typing = !event->text().isEmpty() && event->text().front().isPrint() &&
                        !(event->modifiers() & ~(Qt::ShiftModifier | Qt::KeypadModifier));
    if (!typing) {
      partReachedByTyping_ = false;
      Picker::keyPressEvent(event);
      return;
    }
    // Typing over a selection of several parts (after Ctrl+A, say) starts with
    // the first part rather than being refused.
    const bool severalParts =
        this->lineEdit()->selectedText().size() > this->sectionText(this->currentSection()).size();
    const int part = severalParts ? 0 : std::max(0, this->currentSectionIndex());
    BeforeTyping(part);
    if (severalParts) SelectPart(0);
    const int partBefore = this->currentSectionIndex();
    Picker::keyPressEvent(event);
    partReachedByTyping_ = this->currentSectionIndex() != partBefore;
    AfterTyping(partBefore);
  }

  // Moves between the parts; never out of the box, which only Tab leaves.
  bool focusNextPrevChild(bool next) override {
    const int target = this->currentSectionIndex() + (next ? 1 : -1);
    if (target < 0 || target >= this->sectionCount()) return true;
    return Picker::focusNextPrevChild(next);
  }

  // Called before a typed character goes into part `part` of the box.
  virtual void BeforeTyping(int /*part*/) {}
  // Called after a typed character went into part `part`.
  virtual void AfterTyping(int /*part*/) {}

  void SelectPart(int part) { this->setSelectedSection(this->sectionAt(part)); }

 private:
  bool partReachedByTyping_ = false;
};

using TTimePicker = TypedPicker<QTimeEdit>;

// The birth date: the long Russian form ("8 декабря 2026 г.") to read, and
// the numeric form ("08.12.2026") as soon as a digit is typed, until the box
// loses the focus; the month part of the long form takes no digits.
class TDatePicker : public TypedPicker<QDateEdit> {
 public:
  explicit TDatePicker(QWidget* parent = nullptr);

 protected:
  void BeforeTyping(int part) override;
  void AfterTyping(int part) override;
  void focusOutEvent(QFocusEvent* event) override;

 private:
  int typedDay_ = 0;  // the day last typed, 0 when none
};
