// A pick-only drop-down list that opens as soon as the user starts typing a
// name, finds the typed name in the open list, and closes on the choice. Given
// a search, typing goes to the search instead; the list still opens from its
// arrow.
#pragma once

#include <QComboBox>

class TPlaceSearchPopup;

class TDropDownList : public QComboBox {
  Q_OBJECT

 public:
  using QComboBox::QComboBox;

  void SetSearch(TPlaceSearchPopup* search) { search_ = search; }

 protected:
  void keyPressEvent(QKeyEvent* event) override;

 private:
  TPlaceSearchPopup* search_ = nullptr;
};
