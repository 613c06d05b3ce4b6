#include "frontend/widgets/dropdown_list.h"

#include <QAbstractItemView>
#include <QKeyEvent>

#include "frontend/widgets/place_search_popup.h"

void TDropDownList::SetSearch(TPlaceSearchPopup* search) {
  search_ = search;
  connect(search_, &TPlaceSearchPopup::wholeListWanted, this, [this] { QComboBox::showPopup(); });
}

void TDropDownList::showPopup() {
  if (search_ == nullptr) {
    QComboBox::showPopup();
    return;
  }
  search_->Type(QString());
}

void TDropDownList::keyPressEvent(QKeyEvent* event) {
  const QString text = event->text();
  const bool typing = !text.isEmpty() && text.at(0).isPrint() &&
                      !(event->modifiers() & (Qt::ControlModifier | Qt::AltModifier));
  if (typing && search_ != nullptr && !view()->isVisible()) {
    search_->Type(text);
    event->accept();
    return;
  }
  if (typing && !view()->isVisible()) {
    showPopup();
    view()->keyboardSearch(text);
    event->accept();
    return;
  }
  QComboBox::keyPressEvent(event);
}
