// Date and time pickers that Tab leaves at once, like the form's other
// controls; the arrow keys move between the date's parts.
#pragma once

#include <QDateEdit>
#include <QTimeEdit>

template <typename Picker>
class TabLeavingPicker : public Picker {
 public:
  using Picker::Picker;

 protected:
  bool focusNextPrevChild(bool next) override { return QWidget::focusNextPrevChild(next); }
};

using TDatePicker = TabLeavingPicker<QDateEdit>;
using TTimePicker = TabLeavingPicker<QTimeEdit>;
