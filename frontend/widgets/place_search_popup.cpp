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

namespace {

QStringList ItemTexts(const QComboBox* box) {
  QStringList texts;
  texts.reserve(box->count());
  for (int i = 0; i < box->count(); ++i) texts.append(box->itemText(i));
  return texts;
}

bool MovesInTheList(int key) {
  return key == Qt::Key_Up || key == Qt::Key_Down || key == Qt::Key_PageUp ||
         key == Qt::Key_PageDown;
}

}  // namespace

TPlaceSearchPopup::TPlaceSearchPopup(QComboBox* places)
    : QFrame(places, Qt::Popup),
      places_(places),
      search_(std::make_unique<frontend::PlaceSearch>(ItemTexts(places))),
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

void TPlaceSearchPopup::ShowMatches() {
  positions_ = search_->Find(text_->text());
  QStringList names;
  names.reserve(positions_.size());
  for (const qsizetype position : positions_) {
    names.append(places_->itemText(static_cast<int>(position)));
  }
  model_->setStringList(names);
  const bool found = !names.isEmpty();
  below_->setCurrentWidget(found ? static_cast<QWidget*>(matches_) : nothingFound_);
  if (found) {
    matches_->setCurrentIndex(model_->index(0));
    matches_->scrollToTop();
  } else {
    nothingFound_->setText(
        QStringLiteral("В списке нет места, где слово начинается с «%1»").arg(text_->text()));
  }
}

void TPlaceSearchPopup::PickCurrent() {
  const int row = matches_->currentIndex().row();
  if (row < 0 || row >= positions_.size()) return;  // nothing to pick: stay open
  const int position = static_cast<int>(positions_[row]);
  hide();
  places_->setFocus();
  places_->setCurrentIndex(position);
  emit places_->activated(position);
}

bool TPlaceSearchPopup::eventFilter(QObject* watched, QEvent* event) {
  if (watched != text_ || event->type() != QEvent::KeyPress) {
    return QFrame::eventFilter(watched, event);
  }
  auto* key = static_cast<QKeyEvent*>(event);
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
// as wide as the box's own open list, kept on the screen.
void TPlaceSearchPopup::PlaceOverTheBox() {
  const int width = std::max(places_->width(), places_->view()->minimumWidth());
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
