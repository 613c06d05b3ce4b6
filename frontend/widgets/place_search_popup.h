// The search over the atlas: typing in the place box opens a field over the
// box and, under it, the places having a name with a word that begins with
// the text typed so far, in either alphabet, best matches first, each with
// its region and country and the name that matched when it is another
// («Ленинград → Санкт-Петербург, Россия»). Arrow keys move in the matches,
// Enter or a click picks one, Escape or a click elsewhere leaves the place as
// it was.
#pragma once

#include <QFrame>
#include <QList>

#include "frontend/places/atlas.h"

class QComboBox;
class QLabel;
class QLineEdit;
class QListView;
class QStackedWidget;
class QStringListModel;

class TPlaceSearchPopup : public QFrame {
  Q_OBJECT

 public:
  // Opens over `places`; the atlas is read at the first search if it has not
  // been read yet.
  explicit TPlaceSearchPopup(QComboBox* places);
  ~TPlaceSearchPopup() override;

  // Opens over the place box with `typed` as the text so far, or adds `typed`
  // to the text when already open.
  void Type(const QString& typed);

  QLineEdit* text() const { return text_; }
  QListView* matches() const { return matches_; }
  QLabel* nothingFound() const { return nothingFound_; }

  // The text of a match's row.
  static QString RowText(const frontend::AtlasPlace& place, const frontend::AtlasMatch& match);

 signals:
  void placePicked(const frontend::AtlasPlace& place);
  // Asked, with nothing typed yet, for the place box's whole list.
  void wholeListWanted();

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void ShowMatches();
  void PickCurrent();
  void PlaceOverTheBox();
  bool nothingTyped() const;
  void ShowWholeList();

  QComboBox* places_;
  QList<frontend::AtlasMatch> found_;  // the matches shown, in order
  QLineEdit* text_;
  QListView* matches_;
  QStringListModel* model_;
  QLabel* nothingFound_;
  QStackedWidget* below_;
};
