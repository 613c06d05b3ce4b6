// The lunar calendar page: a month of the place in the window's boxes, with
// its lunar days from calendar runs of the calculator, and under the grid the
// texts of the lunar days of the selected date. It computes while the window
// goes on working; the birth calculation's files and results are never used.
#pragma once

#include <QWidget>
#include <functional>
#include <optional>

#include "content/compose.h"
#include "frontend/birth/civil_calendar.h"
#include "frontend/lunar_calendar/calendar_run.h"
#include "frontend/lunar_calendar/lunar_calendar_months.h"

class QLabel;
class QPushButton;
class QStackedWidget;
class QTextBrowser;
class LunarMonthGrid;

class LunarCalendarPage : public QWidget {
  Q_OBJECT

 public:
  LunarCalendarPage(const content::ReferenceTables& tables, QWidget* parent = nullptr);

  void SetCalculatorFiles(const frontend::CalculatorFiles& birthRun);
  // Reads the place from the window's boxes whenever the page is shown.
  void SetPlaceSource(std::function<frontend::CalendarPlace()> source) {
    placeSource_ = std::move(source);
  }
  // "Расчет" was pressed with this place in the boxes; the page computes for
  // it now if it is shown, else when it is next shown.
  void FollowPlace(const frontend::CalendarPlace& place);

  void ShowMonth(const frontend::YearMonth& month);
  void StepMonth(int32_t count);
  void ShowToday();
  // Ends a run under way, before the calculator's files are removed.
  void StopComputing();

  const frontend::YearMonth& month() const { return month_; }
  const frontend::CalendarPlace& place() const { return place_; }

  // `count` months from the month shown as an iCalendar file at `path`; the
  // reason in Russian when it could not be written.
  QString ExportICalendar(const QString& path, int32_t count);
  // The month shown as a one-page PDF at `path`; the reason when it failed.
  QString WritePdf(const QString& path);
  frontend::LunarCalendarMonths& months() { return months_; }
  // Today at the place's zone.
  frontend::CivilDate Today() const;

  QPushButton* MonthBackButton = nullptr;
  QPushButton* TodayButton = nullptr;
  QPushButton* MonthForwardButton = nullptr;
  QLabel* MonthCaption = nullptr;
  QLabel* CalendarStatus = nullptr;  // "считается…" while a month is computed
  QLabel* PlaceCaption = nullptr;
  QLabel* TodayCaption = nullptr;  // today's lunar day at the place
  QPushButton* ExportButton = nullptr;
  QPushButton* PrintButton = nullptr;
  QPushButton* PdfButton = nullptr;
  QStackedWidget* CalendarStack = nullptr;  // the grid, or the failure in its place
  LunarMonthGrid* LunarMonthGrid1 = nullptr;
  QLabel* CalendarFailure = nullptr;
  QLabel* CalendarLegend = nullptr;
  QTextBrowser* LunarDayDetails = nullptr;

 signals:
  // The month shown has its lunar days, or its failure, on the page.
  void monthShown(const frontend::YearMonth& month);

 protected:
  void showEvent(QShowEvent* event) override;

 private:
  void CreateControls();
  void Refresh(const frontend::CalendarPlace& place);
  void MonthReady(const frontend::YearMonth& month);
  void MonthFailed(const frontend::YearMonth& month, const QString& reason);
  void DrawGrid(const frontend::LunarMonth* lunar);
  void ShowDetails();
  QString MomentText(const frontend::ZonedInstant& instant) const;
  void ShowTodayCaption();
  void ExportClick(int32_t count);
  void PrintClick();
  void PdfClick();
  struct LunarMonthSheet Sheet() const;

  const content::ReferenceTables& tables_;
  frontend::LunarCalendarMonths months_;
  std::function<frontend::CalendarPlace()> placeSource_;
  frontend::CalendarPlace place_;
  frontend::YearMonth month_;
  bool opened_ = false;  // shown at least once
};
