// A pick-only drop-down list that opens as soon as the user starts typing a
// name, finds the typed name in the open list, and closes on the choice.
#pragma once

#include <QComboBox>

class TDropDownList : public QComboBox {
  Q_OBJECT

 public:
  using QComboBox::QComboBox;

 protected:
  void keyPressEvent(QKeyEvent* event) override;
};
