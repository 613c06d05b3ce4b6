// The month grid of the lunar calendar: weeks from Monday to Sunday, each
// date with the lunar days in force on it, the start time of each one that
// begins that date, the new moon, and whether each lunar day is good or evil.
// Unfavourable dates are in red, today is framed, the selected date shaded.
#pragma once

#include <QList>
#include <QRect>
#include <QWidget>
#include <functional>
#include <optional>

#include "frontend/birth/civil_calendar.h"
#include "frontend/lunar_calendar/lunar_day_texts.h"
#include "frontend/lunar_calendar/zoned_month.h"

class LunarMonthGrid : public QWidget {
  Q_OBJECT

 public:
  explicit LunarMonthGrid(QWidget* parent = nullptr);

  // Whether lunar day 1..30 is good or evil, for the word in the cells.
  void SetDayKinds(std::function<frontend::DayKind(int32_t)> kindOf) {
    kindOf_ = std::move(kindOf);
  }

  // The dates of `month`; its lunar days when `lunar` is given (it is copied).
  void ShowMonth(const frontend::YearMonth& month, const frontend::LunarMonth* lunar,
                 std::optional<frontend::CivilDate> today);
  // Selects a date of the month shown; any other date clears the selection.
  void Select(std::optional<frontend::CivilDate> date);

  const frontend::YearMonth& month() const { return month_; }
  std::optional<frontend::CivilDate> selected() const;
  // The lunar days of a date of the month, empty without them.
  std::vector<frontend::LunarDaySpan> LunarDaysOf(const frontend::CivilDate& date) const;
  // The date with its lunar days, phase and clock change; none without them.
  const frontend::CalendarDay* DayOf(const frontend::CivilDate& date) const;
  bool hasLunarDays() const { return hasLunarDays_; }
  // The text of a date's cell, line by line as drawn.
  QStringList CellLines(const frontend::CivilDate& date) const;
  // Where a date's cell stands; empty for a date outside the month.
  QRect CellRect(const frontend::CivilDate& date) const;

 signals:
  void dateSelected(const frontend::CivilDate& date);

 protected:
  void paintEvent(QPaintEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;
  bool event(QEvent* event) override;

 private:
  struct Cell {
    frontend::CalendarDay day;  // only the date and week day without lunar days
    bool unfavourable = false;
  };

  int HeaderHeight() const;
  int WeekCount() const;
  QRect CellRectAt(int index) const;
  int IndexAt(const QPoint& point) const;
  void SelectIndex(int index);
  void PaintCell(QPainter& painter, int index) const;
  QString WordOf(int32_t number) const;
  QString ToolTipOf(const Cell& cell) const;

  frontend::YearMonth month_;
  bool hasLunarDays_ = false;
  std::vector<Cell> cells_;
  int firstColumn_ = 0;  // column of the 1st: 0 = Monday
  int selected_ = -1;
  int today_ = -1;
  std::function<frontend::DayKind(int32_t)> kindOf_;
};
