#include "frontend/main_window/tab_rows.h"

#include <QMouseEvent>
#include <QStyle>
#include <QStyleOptionTab>
#include <QStylePainter>
#include <QTabBar>
#include <QTabWidget>

namespace {

// The narrowest letters used to save a row of tabs, in percent.
constexpr int kMostCondensed = 85;

}  // namespace

TabRows::TabRows(QTabWidget* pages) : QWidget(pages->parentWidget()), pages_(pages) {
  setObjectName(pages->objectName() + QStringLiteral("Tabs"));
  pages_->tabBar()->hide();
  layOutRows();

  const QRect area = pages_->geometry();
  const int rowsHeight = rowCount() * tabHeight();
  setGeometry(area.left(), area.top(), area.width(), rowsHeight);
  pages_->setGeometry(area.left(), area.top() + rowsHeight, area.width(),
                      area.height() - rowsHeight);
  connect(pages_, &QTabWidget::currentChanged, this, qOverload<>(&QWidget::update));
}

int TabRows::tabHeight() const {
  return pages_->fontMetrics().height() + 6;
}

QList<TabRows::Row> TabRows::fillRows(const QFont& font, QList<int>& widths) const {
  // Each row takes as many whole tabs as fit, in page order.
  const QFontMetrics metrics(font);
  const int available = pages_->width();
  // Room the style keeps around a caption inside its tab.
  const int padding = style()->pixelMetric(QStyle::PM_TabBarTabHSpace, nullptr, this);
  QList<Row> rows;
  int used = 0;
  widths.clear();
  for (int i = 0; i < pages_->count(); ++i) {
    const int width = metrics.horizontalAdvance(pages_->tabText(i)) + padding;
    widths.append(width);
    if (rows.isEmpty() || used + width > available) {
      rows.append({i, 1});
      used = width;
    } else {
      ++rows.last().count;
      used += width;
    }
  }
  return rows;
}

void TabRows::layOutRows() {
  // The system font may be wider than the one the form was drawn for: condense
  // the captions a little where that saves a row.
  QFont font = this->font();
  font.setStretch(kMostCondensed);
  QList<int> widths;
  const qsizetype fewestRows = fillRows(font, widths).size();
  for (int stretch = 100; stretch >= kMostCondensed; stretch -= 5) {
    font.setStretch(stretch);
    rows_ = fillRows(font, tabWidths_);
    if (rows_.size() <= fewestRows) break;
  }
  setFont(font);
}

int TabRows::rowOf(int index) const {
  for (int row = 0; row < rows_.size(); ++row) {
    if (index >= rows_[row].first && index < rows_[row].first + rows_[row].count) return row;
  }
  return 0;
}

int TabRows::displayPosition(int row) const {
  // Rows keep their order, rotated so that the current tab's row comes last.
  const int count = rowCount();
  const int currentRow = rowOf(pages_->currentIndex());
  return (row - currentRow - 1 + 2 * count) % count;
}

QRect TabRows::tabRect(int index) const {
  // Tabs of a row are stretched to fill the whole width.
  const int row = rowOf(index);
  const Row& r = rows_[row];
  int natural = 0;
  for (int j = r.first; j < r.first + r.count; ++j) natural += tabWidths_[j];
  const int extra = width() - natural;
  int left = 0;
  for (int j = r.first; j < index; ++j) left += tabWidths_[j] + extra / r.count;
  int tabWidth = tabWidths_[index] + extra / r.count;
  if (index == r.first + r.count - 1) tabWidth = width() - left;
  return {left, displayPosition(row) * tabHeight(), tabWidth, tabHeight()};
}

void TabRows::paintEvent(QPaintEvent* /*event*/) {
  QStylePainter painter(this);
  for (int i = 0; i < pages_->count(); ++i) {
    QStyleOptionTab option;
    option.initFrom(this);
    option.rect = tabRect(i);
    option.text = pages_->tabText(i);
    option.shape = QTabBar::RoundedNorth;
    const Row& row = rows_[rowOf(i)];
    if (row.count == 1) {
      option.position = QStyleOptionTab::OnlyOneTab;
    } else if (i == row.first) {
      option.position = QStyleOptionTab::Beginning;
    } else if (i == row.first + row.count - 1) {
      option.position = QStyleOptionTab::End;
    } else {
      option.position = QStyleOptionTab::Middle;
    }
    if (i == pages_->currentIndex()) {
      option.state |= QStyle::State_Selected;
    } else {
      option.state &= ~QStyle::State_Selected;
    }
    painter.drawControl(QStyle::CE_TabBarTab, option);
  }
}

void TabRows::mousePressEvent(QMouseEvent* event) {
  for (int i = 0; i < pages_->count(); ++i) {
    if (tabRect(i).contains(event->position().toPoint())) {
      pages_->setCurrentIndex(i);
      update();
      return;
    }
  }
  QWidget::mousePressEvent(event);
}
