// The months of the lunar calendar: computed by calendar runs of the
// calculator, a few months per run, and kept, so that a month once computed
// for a place shows at once. While the wanted month is shown, the months next
// to it are computed ahead.
#pragma once

#include <QObject>
#include <QString>
#include <list>
#include <map>
#include <memory>
#include <optional>
#include <vector>

#include "frontend/lunar_calendar/calendar_run.h"
#include "frontend/lunar_calendar/zoned_month.h"

namespace frontend {

// The months the calendar offers: those of the birth dates the calculator can
// take (birth_date_range.h).
YearMonth FirstCalendarMonth();
YearMonth LastCalendarMonth();

// Why a month could not be had, in Russian, for the page.
QString CalendarFailureText(const RunOutcome& outcome);

class LunarCalendarMonths : public QObject {
  Q_OBJECT

 public:
  // Lunations per run: the new moon before the first month's start and about
  // five months after it, 3 to 4 ms of the calculator's time.
  static constexpr int32_t kLunationsPerRun = 6;
  // Lunations of a run the user waits for: from the new moon before the month
  // ahead of the wanted one to past the wanted month's end (at most 62 days
  // after that new moon's month starts, well within 4 lunations of 29.5 days
  // less the one before), about two thirds of the calculator's time.
  static constexpr int32_t kLunationsWhileWaiting = 4;
  // Months kept per place, and places kept.
  static constexpr std::size_t kMonthsPerPlace = 600;
  static constexpr std::size_t kPlacesKept = 8;

  explicit LunarCalendarMonths(QObject* parent = nullptr);

  void SetFiles(const CalculatorFiles& birthRun) { run_.SetFiles(birthRun); }
  CalendarRun& run() { return run_; }

  // Wants `month` at `place`: monthReady() at once when it is known, else
  // once a run has computed it, or monthFailed() with the reason. A month
  // outside the calendar's range fails at once. A place other than the last
  // one ends the run under way.
  void Want(const CalendarPlace& place, const YearMonth& month);

  // The month, when computed for the place.
  const LunarMonth* Known(const CalendarPlace& place, const YearMonth& month) const;
  bool computing() const { return run_.running(); }

  // `count` months from `first` at `place` at once, computing those not yet
  // known in one run while the caller waits (a few lunations take
  // milliseconds); nothing, with the reason in `failure`, when the run fails.
  std::optional<std::vector<LunarMonth>> ComputeNow(const CalendarPlace& place,
                                                    const YearMonth& first, int32_t count,
                                                    QString* failure);

 signals:
  void monthReady(const frontend::YearMonth& month);
  void monthFailed(const frontend::YearMonth& month, const QString& reason);

 private:
  // A month is kept as the run's rows that cover it and placed on the
  // zone's clock when first asked for (about a millisecond a month), so that
  // a run's first month shows without waiting for the five after it.
  struct KeptMonth {
    std::shared_ptr<const std::vector<LunarDayInstant>> rows;
    mutable std::optional<LunarMonth> month;
  };
  using Months = std::map<YearMonth, KeptMonth>;

  Months& MonthsOf(const CalendarPlace& place);
  // Keeps every whole month of the rows.
  void Keep(const CalendarPlace& place, const std::vector<LunarDayInstant>& rows);
  // Starts the run the wanted month needs, else one for a neighbour of it.
  void StartNext();
  void StartFor(const YearMonth& target, const YearMonth& firstMonth, int32_t lunations);
  void RunFinished(const CalendarRunRequest& request, const RunOutcome& outcome);

  CalendarRun run_;
  // Most recently used place first.
  std::list<std::pair<CalendarPlace, Months>> places_;
  CalendarPlace place_;
  std::optional<YearMonth> wanted_;
  bool wantedAnswered_ = false;  // monthReady() or monthFailed() given for it
  YearMonth target_;             // the month the run under way is for
  // Months whose run failed since the last Want() of them; not computed ahead.
  std::map<YearMonth, QString> failed_;
};

}  // namespace frontend
