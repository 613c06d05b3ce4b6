// Tabs of a page control laid out in as many rows as their captions need, so
// that every caption shows in full. The row holding the current tab sits next
// to the pages. The page control's own one-row tab bar is hidden.
#pragma once

#include <QList>
#include <QRect>
#include <QWidget>

class QTabWidget;

class TabRows : public QWidget {
  Q_OBJECT

 public:
  // Takes the place of `pages`' tab bar: the rows go where the page control
  // stood, and the page control moves down below them.
  explicit TabRows(QTabWidget* pages);

  int rowCount() const { return static_cast<int>(rows_.size()); }
  // The rectangle of tab `index` in this widget.
  QRect tabRect(int index) const;

 protected:
  void paintEvent(QPaintEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;

 private:
  struct Row {
    int first = 0;  // index of the row's first tab
    int count = 0;
  };

  QList<Row> fillRows(const QFont& font, QList<int>& widths) const;
  void layOutRows();
  int tabHeight() const;
  int rowOf(int index) const;
  // Where row `row` is drawn: 0 at the top; the current tab's row is last.
  int displayPosition(int row) const;

  QTabWidget* pages_;
  QList<Row> rows_;
  QList<int> tabWidths_;
};
