// Times the lunar calendar page as the user meets it, with the built-in
// calculator:
//   - a click on "▶" until the next month is drawn, with the months next to
//     the one shown already computed ahead (the pause between two clicks of
//     a user is far longer than a run);
//   - a month far from every month computed (a run of its own);
//   - twelve clicks in a row, each as soon as the month before is drawn,
//     right after the page has turned to a place with nothing computed (the
//     first month's run under way): the time of all twelve.
// Usage: lunar_calendar_bench [clicks [series]]   (default 30 and 10)
#include <QApplication>
#include <QElapsedTimer>
#include <QLabel>
#include <QPushButton>
#include <QTabWidget>
#include <QTimer>
#include <algorithm>
#include <cstdio>
#include <functional>
#include <vector>

#include "bench/frontend/timings.h"
#include "frontend/calendar_page/lunar_calendar_page.h"
#include "frontend/calendar_page/lunar_month_grid.h"
#include "frontend/main_window/Unit1.h"

namespace {

using bench::Print;
using bench::Summarise;
using bench::Summary;

void WaitUntil(const std::function<bool()>& done) {
  while (!done()) QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents, 50);
}

// A place of its own for every call, so that nothing is known for it yet.
frontend::CalendarPlace FreshPlace() {
  static int minutes = 0;
  minutes = (minutes + 1) % 60;
  return {QStringLiteral("Минск"), 3 * 60, {}, {false, 53, 54}, {false, 27, minutes}};
}

// From the click to the month drawn with its lunar days.
double TimeClick(LunarCalendarPage& page) {
  LunarMonthGrid& grid = *page.findChild<LunarMonthGrid*>(QStringLiteral("LunarMonthGrid1"));
  auto* forward = page.findChild<QPushButton*>(QStringLiteral("MonthForwardButton"));
  const frontend::YearMonth target = frontend::AddMonths(page.month(), 1);
  QElapsedTimer clock;
  clock.start();
  forward->click();
  WaitUntil([&] { return grid.month() == target && grid.hasLunarDays(); });
  grid.repaint();
  return clock.nsecsElapsed() / 1e6;
}

}  // namespace

int main(int argc, char* argv[]) {
  QApplication application(argc, argv);
  const QStringList arguments = QCoreApplication::arguments();
  const int clicks = std::max(arguments.size() > 1 ? arguments[1].toInt() : 30, 1);
  const int series = std::max(arguments.size() > 2 ? arguments[2].toInt() : 10, 1);

  TForm1 form;
  form.show();
  WaitUntil([&] { return !form.Label1->text().isEmpty(); });
  LunarCalendarPage& page = *form.LunarCalendar1;
  form.PageControl1->setCurrentWidget(&page);
  LunarMonthGrid& grid = *page.findChild<LunarMonthGrid*>(QStringLiteral("LunarMonthGrid1"));
  WaitUntil([&] { return grid.hasLunarDays(); });

  std::vector<double> ahead;
  for (int i = 0; i < clicks; ++i) {
    WaitUntil([&] { return !page.months().computing(); });
    ahead.push_back(TimeClick(page));
  }
  Print("click to month shown, computed ahead", ahead.size(), Summarise(ahead));

  // A month far from every one computed: a run for the month itself.
  std::vector<double> cold;
  for (int i = 0; i < clicks; ++i) {
    WaitUntil([&] { return !page.months().computing(); });
    const frontend::YearMonth target{1000 + 50 * i, 1 + i % 12};
    QElapsedTimer clock;
    clock.start();
    page.ShowMonth(target);
    WaitUntil([&] { return grid.month() == target && grid.hasLunarDays(); });
    grid.repaint();
    cold.push_back(clock.nsecsElapsed() / 1e6);
  }
  Print("month shown, never computed before", cold.size(), Summarise(cold));

  std::vector<double> twelve;
  for (int i = 0; i < series; ++i) {
    page.FollowPlace(FreshPlace());
    WaitUntil([&] { return grid.hasLunarDays() && !page.months().computing(); });
    page.FollowPlace(FreshPlace());
    WaitUntil([&] { return grid.hasLunarDays(); });
    double total = 0;
    for (int month = 0; month < 12; ++month) total += TimeClick(page);
    twelve.push_back(total);
  }
  Print("12 clicks in a row, new place", twelve.size(), Summarise(twelve));
  return 0;
}
