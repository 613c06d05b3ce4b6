// A pick-only drop-down list that opens as soon as the user starts typing a
// name, finds the typed name in the open list, and closes on the choice. Given
// a search, the search is the one way in: typing goes to it, and a click or
// the keys that would open the list open it instead; from the search, before
// anything is typed, the down key or a click opens the whole list.
#pragma once

#include <QComboBox>

class TPlaceSearchPopup;

class TDropDownList : public QComboBox {
  Q_OBJECT

 public:
  using QComboBox::QComboBox;

  void SetSearch(TPlaceSearchPopup* search);
  void showPopup() override;

 protected:
  void keyPressEvent(QKeyEvent* event) override;

 private:
  TPlaceSearchPopup* search_ = nullptr;
};
