// The birth date box: the long Russian form ("8 декабря 2026 г.") to read,
// the numeric form ("08.12.2026") to type over, and a calendar to pick from.
// It holds the civil date, Julian before 15 October 1582, as the calculator
// counts it.
#pragma once

#include <QDate>

#include "frontend/birth/civil_calendar.h"
#include "frontend/widgets/typed_box.h"

class QCalendarWidget;

class TDateBox : public TTypedBox {
  Q_OBJECT

 public:
  explicit TDateBox(QWidget* parent = nullptr);

  // The last date taken; a refused text leaves it as it was.
  frontend::CivilDate date() const { return date_; }
  void setDate(const frontend::CivilDate& date);
  // The civil date of the day `day` (of the proleptic Gregorian QDate).
  void setDate(QDate day);

  QCalendarWidget* calendarWidget() const { return calendar_; }
  void ShowCalendar();

 signals:
  void dateChanged(const frontend::CivilDate& date);

 protected:
  QString Read(const QString& text) override;
  QString EditingText() const override;
  QString RestingText() const override;
  void keyPressEvent(QKeyEvent* event) override;

 private:
  void TakeDate(const frontend::CivilDate& date);
  // The calendar pages in the calendar of their own time.
  void FollowEra(int year, int month);

  frontend::CivilDate date_{2000, 1, 1};
  QWidget* popup_ = nullptr;
  QCalendarWidget* calendar_ = nullptr;
};
