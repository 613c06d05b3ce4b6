// The search over the place list: typing in the place box opens a field over
// the box and, under it, the places having a word that begins with the text
// typed so far, best matches first. Arrow keys move in the matches, Enter or
// a click picks one, Escape or a click elsewhere leaves the place as it was.
#pragma once

#include <QFrame>
#include <QList>
#include <memory>

#include "frontend/places/place_search.h"

class QComboBox;
class QLabel;
class QLineEdit;
class QListView;
class QStackedWidget;
class QStringListModel;

class TPlaceSearchPopup : public QFrame {
  Q_OBJECT

 public:
  // Searches the items of `places`, as they stand when this is made.
  explicit TPlaceSearchPopup(QComboBox* places);
  ~TPlaceSearchPopup() override;

  // Opens over the place box with `typed` as the text so far, or adds `typed`
  // to the text when already open.
  void Type(const QString& typed);

  QLineEdit* text() const { return text_; }
  QListView* matches() const { return matches_; }
  QLabel* nothingFound() const { return nothingFound_; }

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void ShowMatches();
  void PickCurrent();
  void PlaceOverTheBox();

  QComboBox* places_;
  std::unique_ptr<frontend::PlaceSearch> search_;
  QList<qsizetype> positions_;  // the place box's item of each match, in order
  QLineEdit* text_;
  QListView* matches_;
  QStringListModel* model_;
  QLabel* nothingFound_;
  QStackedWidget* below_;
};
