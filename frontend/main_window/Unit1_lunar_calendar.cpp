// The main window's lunar calendar page: its tab after the three result
// pages, the place it follows and the end of its runs.
#include <QTabWidget>

#include "frontend/calculator_run/calculator_files.h"
#include "frontend/calendar_page/lunar_calendar_page.h"
#include "frontend/horoscope/calculation.h"
#include "frontend/lunar_calendar/calendar_run.h"
#include "frontend/main_window/Unit1.h"

void TForm1::CreateLunarCalendarPage() {
  // The page is the tab sheet itself.
  LunarCalendar1 = new LunarCalendarPage(tables, PageControl1);
  TabSheet11 = LunarCalendar1;
  TabSheet11->setObjectName(QStringLiteral("TabSheet11"));
  PageControl1->addTab(TabSheet11, QStringLiteral("Лунный календарь"));
}

// After the creation steps: the calculator's files exist, and the page reads
// the place from the boxes whenever it is opened.
void TForm1::ConnectLunarCalendar() {
  LunarCalendar1->SetCalculatorFiles(calculation_->files());
  LunarCalendar1->SetPlaceSource([this] { return frontend::CalendarPlaceOf(ReadBirthData()); });
}

void TForm1::FollowPlaceOnCalendar(const frontend::BirthData& birth) {
  LunarCalendar1->FollowPlace(frontend::CalendarPlaceOf(birth));
}

void TForm1::StopLunarCalendar() {
  if (LunarCalendar1 != nullptr) LunarCalendar1->StopComputing();
}
