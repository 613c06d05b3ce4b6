#include "frontend/widgets/place_search_popup.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QComboBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QScreen>
#include <QStackedWidget>
#include <QStringListModel>
#include <QVBoxLayout>
#include <algorithm>

#include "frontend/places/builtin_atlas.h"

namespace {

// Rows shown at most: a first letter matches tens of thousands of places, and
// nobody scrolls past the best few hundred.
constexpr qsizetype kMostRows = 300;
// Rows offered when no name begins with what was typed, and how many of its
// first letters they must share with it.
constexpr qsizetype kNearestRows = 8;
constexpr qsizetype kLeastSharedLetters = 3;

// The places whose names begin with the longest beginning of `typed` that
// finds any, when that beginning has at least kLeastSharedLetters letters.
QList<frontend::AtlasMatch> NearestBeginning(const frontend::Atlas& atlas, const QString& typed) {
  const QString text = typed.trimmed();
  for (qsizetype letters = text.size() - 1; letters >= kLeastSharedLetters; --letters) {
    QList<frontend::AtlasMatch> found = atlas.Find(text.left(letters), kNearestRows);
    if (!found.isEmpty()) return found;
  }
  return {};
}

bool MovesInTheList(int key) {
  return key == Qt::Key_Up || key == Qt::Key_Down || key == Qt::Key_PageUp ||
         key == Qt::Key_PageDown;
}

}  // namespace

TPlaceSearchPopup::TPlaceSearchPopup(QComboBox* places)
    : QFrame(places, Qt::Popup),
      places_(places),
      text_(new QLineEdit(this)),
      matches_(new QListView(this)),
      model_(new QStringListModel(this)),
      nothingFound_(new QLabel(this)) {
  setObjectName(QStringLiteral("PlaceSearch"));
  setFrameShape(QFrame::Box);
  text_->setObjectName(QStringLiteral("PlaceSearchText"));
  matches_->setObjectName(QStringLiteral("PlaceSearchMatches"));
  nothingFound_->setObjectName(QStringLiteral("PlaceSearchNothingFound"));
  matches_->setModel(model_);
  matches_->setEditTriggers(QAbstractItemView::NoEditTriggers);
  matches_->setUniformItemSizes(true);  // thousands of rows at the first letter
  matches_->setFocusPolicy(Qt::NoFocus);
  matches_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  matches_->setTextElideMode(Qt::ElideRight);
  nothingFound_->setWordWrap(true);
  nothingFound_->setMargin(4);
  nothingFound_->setAlignment(Qt::AlignLeft | Qt::AlignTop);
  nothingFound_->setAutoFillBackground(true);
  nothingFound_->setBackgroundRole(QPalette::Base);
  // The matches, or in their place the message that there are none.
  below_ = new QStackedWidget(this);
  below_->addWidget(matches_);
  below_->addWidget(nothingFound_);
  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->setSpacing(0);
  layout->addWidget(text_);
  layout->addWidget(below_);
  text_->installEventFilter(this);
  nothingFound_->installEventFilter(this);
  connect(text_, &QLineEdit::textEdited, this, &TPlaceSearchPopup::ShowMatches);
  connect(matches_, &QListView::clicked, this, &TPlaceSearchPopup::PickCurrent);
}

TPlaceSearchPopup::~TPlaceSearchPopup() = default;

void TPlaceSearchPopup::Type(const QString& typed) {
  if (!isVisible()) {
    text_->clear();
    PlaceOverTheBox();
    show();
    text_->setFocus();
  }
  text_->insert(typed);
  ShowMatches();
}

QString TPlaceSearchPopup::RowText(const frontend::AtlasPlace& place,
                                   const frontend::AtlasMatch& match) {
  QString text = match.matchedName.isEmpty()
                     ? place.name
                     : match.matchedName + QStringLiteral(" → ") + place.name;
  if (!place.region.isEmpty()) text += QStringLiteral(", ") + place.region;
  return text + QStringLiteral(", ") + place.country;
}

bool TPlaceSearchPopup::nothingTyped() const {
  return text_->text().trimmed().isEmpty();
}

void TPlaceSearchPopup::ShowWholeList() {
  hide();
  places_->setFocus();
  emit wholeListWanted();
}

void TPlaceSearchPopup::ShowMatches() {
  // Opened by a click, before anything is typed: the way to the whole list.
  if (nothingTyped()) {
    found_.clear();
    model_->setStringList({});
    below_->setCurrentWidget(nothingFound_);
    nothingFound_->setText(QStringLiteral(
        "Введите начало названия места. Весь список мест — клавиша ↓ или щелчок здесь."));
    return;
  }
  const frontend::Atlas* atlas = frontend::BuiltinAtlas();
  found_ = atlas != nullptr ? atlas->Find(text_->text(), kMostRows) : QList<frontend::AtlasMatch>();
  // Nothing begins so: the names nearest to what was typed, marked as such,
  // so that a misspelt name still leads to its place.
  const bool nearest = found_.isEmpty() && atlas != nullptr;
  if (nearest) found_ = NearestBeginning(*atlas, text_->text());
  QStringList rows;
  rows.reserve(found_.size());
  for (const frontend::AtlasMatch& match : found_) {
    const QString row = RowText(atlas->Place(match.place), match);
    rows.append(nearest ? QStringLiteral("похоже: ") + row : row);
  }
  model_->setStringList(rows);
  const bool found = !rows.isEmpty();
  below_->setCurrentWidget(found ? static_cast<QWidget*>(matches_) : nothingFound_);
  if (found) {
    matches_->setCurrentIndex(model_->index(0));
    matches_->scrollToTop();
  } else if (atlas == nullptr) {
    nothingFound_->setText(QStringLiteral(
        "Атлас мест не читается: встроенные данные программы повреждены. Выберите место "
        "из списка или введите широту и долготу."));
  } else {
    nothingFound_->setText(
        QStringLiteral("Нет места, где слово названия начинается с «%1»").arg(text_->text()));
  }
}

void TPlaceSearchPopup::PickCurrent() {
  const int row = matches_->currentIndex().row();
  if (row < 0 || row >= found_.size()) return;  // nothing to pick: stay open
  const frontend::AtlasPlace place = frontend::BuiltinAtlas()->Place(found_[row].place);
  hide();
  places_->setFocus();
  emit placePicked(place);
}

bool TPlaceSearchPopup::eventFilter(QObject* watched, QEvent* event) {
  if (watched == nothingFound_ && event->type() == QEvent::MouseButtonRelease && nothingTyped()) {
    ShowWholeList();
    return true;
  }
  if (watched != text_ || event->type() != QEvent::KeyPress) {
    return QFrame::eventFilter(watched, event);
  }
  auto* key = static_cast<QKeyEvent*>(event);
  if (key->key() == Qt::Key_Down && nothingTyped()) {
    ShowWholeList();
    return true;
  }
  if (MovesInTheList(key->key())) {
    QApplication::sendEvent(matches_, key);
    return true;
  }
  switch (key->key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
      PickCurrent();
      return true;
    case Qt::Key_Escape:
    case Qt::Key_Tab:
    case Qt::Key_Backtab:
      // The place box keeps the place it had.
      hide();
      places_->setFocus();
      return true;
    default:
      return false;
  }
}

// The field covers the place box; the matches hang below it, twelve rows,
// at least as wide as the box's own open list, kept on the screen.
void TPlaceSearchPopup::PlaceOverTheBox() {
  // Rows carry the matched name, the region and the country: room for about
  // sixty-four letters; a longer row is cut short, never scrolled sideways.
  const int width = std::max({places_->width(), places_->view()->minimumWidth(),
                              64 * matches_->fontMetrics().averageCharWidth()});
  text_->setFixedHeight(places_->height());
  const int rows = places_->maxVisibleItems();
  const int rowHeight = matches_->fontMetrics().height() + 2;
  below_->setFixedHeight(rows * rowHeight + 2 * matches_->frameWidth());
  const QSize size(width, places_->height() + below_->height() + 2 * frameWidth());
  QPoint topLeft = places_->mapToGlobal(QPoint(0, 0)) - QPoint(frameWidth(), frameWidth());
  if (const QScreen* screen = places_->screen()) {
    const QRect available = screen->availableGeometry();
    topLeft.setX(std::clamp(topLeft.x(), available.left(),
                            std::max(available.left(), available.right() + 1 - size.width())));
    topLeft.setY(std::clamp(topLeft.y(), available.top(),
                            std::max(available.top(), available.bottom() + 1 - size.height())));
  }
  setGeometry(QRect(topLeft, size));
}
