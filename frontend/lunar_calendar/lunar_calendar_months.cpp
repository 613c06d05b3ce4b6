#include "frontend/lunar_calendar/lunar_calendar_months.h"

#include <QTimer>
#include <algorithm>

#include "calculator/messages.h"

#include "frontend/birth/birth_date_range.h"
#include "frontend/calculator_run/failure_report.h"

namespace frontend {
namespace {

bool OutOfRange(const RunOutcome& outcome) {
  return outcome.calculatorExitStatus == moon::kBadJulianDayExitCode;
}

QString OutOfRangeText() {
  return QStringLiteral("Этот месяц вне диапазона дат, которые может рассчитать калькулятор.");
}

}  // namespace

YearMonth FirstCalendarMonth() {
  return MonthOf(FirstBirthDate());
}

YearMonth LastCalendarMonth() {
  return MonthOf(LastBirthDate());
}

QString CalendarFailureText(const RunOutcome& outcome) {
  QString reason;
  if (OutOfRange(outcome)) {
    reason = OutOfRangeText();
  } else if (outcome.ok() || outcome.failure == RunFailure::kNoLunarDay) {
    reason = QStringLiteral("В таблице калькулятора нет лунных дней этого месяца.");
    if (const QString complaint = CalculatorComplaint(outcome.calculatorOutput);
        !complaint.isEmpty()) {
      reason += QLatin1Char(' ') + complaint;
    }
  } else {
    reason = FailureReason(outcome);
  }
  return QStringLiteral("Лунный календарь не рассчитан. ") + reason;
}

void LunarCalendarMonths::Keep(const CalendarPlace& place,
                               const std::vector<LunarDayInstant>& rows) {
  const auto shared = std::make_shared<const std::vector<LunarDayInstant>>(rows);
  Months& months = MonthsOf(place);
  for (const YearMonth& month : MonthsCoveredOn(ZoneOf(place), rows)) {
    if (month < FirstCalendarMonth() || month > LastCalendarMonth()) continue;
    if (!months.contains(month)) months.emplace(month, KeptMonth{shared, std::nullopt});
  }
}

std::optional<std::vector<LunarMonth>> LunarCalendarMonths::ComputeNow(const CalendarPlace& place,
                                                                       const YearMonth& first,
                                                                       int32_t count,
                                                                       QString* failure) {
  std::vector<LunarMonth> result;
  const auto gather = [&] {
    result.clear();
    for (int32_t i = 0; i < count; ++i) {
      const LunarMonth* month = Known(place, AddMonths(first, i));
      if (month == nullptr) return false;
      result.push_back(*month);
    }
    return true;
  };
  if (gather()) return result;
  // The run under way is given up, and asked for again after this one.
  run_.Stop();
  const CalendarRunRequest request{place, first, count + 2};
  const RunOutcome outcome = run_.RunAndWait(request);
  if (outcome.ok()) {
    if (const auto rows = LunarDayInstantsOf(request, outcome)) Keep(place, *rows);
  }
  QTimer::singleShot(0, this, [this] {
    // The run given up, or one refused while this one ran, may have been for
    // the month shown, which this one may have brought.
    if (wanted_ && !wantedAnswered_ && Known(place_, *wanted_) != nullptr) {
      wantedAnswered_ = true;
      emit monthReady(*wanted_);
    }
    StartNext();
  });
  if (gather()) return result;
  if (failure != nullptr) *failure = CalendarFailureText(outcome);
  return std::nullopt;
}

LunarCalendarMonths::LunarCalendarMonths(QObject* parent) : QObject(parent) {
  connect(&run_, &CalendarRun::finished, this, &LunarCalendarMonths::RunFinished);
}

LunarCalendarMonths::Months& LunarCalendarMonths::MonthsOf(const CalendarPlace& place) {
  auto found = std::find_if(places_.begin(), places_.end(),
                            [&place](const auto& entry) { return entry.first == place; });
  if (found == places_.end()) {
    places_.emplace_front(place, Months());
    if (places_.size() > kPlacesKept) places_.pop_back();
  } else {
    places_.splice(places_.begin(), places_, found);
  }
  Months& months = places_.front().second;
  if (months.size() > kMonthsPerPlace) months.clear();
  return months;
}

const LunarMonth* LunarCalendarMonths::Known(const CalendarPlace& place,
                                             const YearMonth& month) const {
  for (const auto& [knownPlace, months] : places_) {
    if (!(knownPlace == place)) continue;
    const auto found = months.find(month);
    if (found == months.end()) return nullptr;
    const KeptMonth& kept = found->second;
    if (!kept.month) kept.month = LunarMonthOn(ZoneOf(place), *kept.rows, month);
    return kept.month ? &*kept.month : nullptr;
  }
  return nullptr;
}

void LunarCalendarMonths::Want(const CalendarPlace& place, const YearMonth& month) {
  if (!(place == place_)) {
    run_.Stop();
    failed_.clear();
    place_ = place;
  }
  wanted_ = month;
  wantedAnswered_ = false;
  failed_.erase(month);
  if (month < FirstCalendarMonth() || month > LastCalendarMonth()) {
    failed_[month] = OutOfRangeText();
    wantedAnswered_ = true;
    emit monthFailed(month, QStringLiteral("Лунный календарь не рассчитан. ") + OutOfRangeText());
    return;
  }
  if (Known(place, month) != nullptr) {
    MonthsOf(place);  // most recently used
    wantedAnswered_ = true;
    emit monthReady(month);
  }
  StartNext();
}

void LunarCalendarMonths::StartNext() {
  if (run_.running() || !wanted_) return;
  const YearMonth wanted = *wanted_;
  if (Known(place_, wanted) == nullptr) {
    if (!failed_.contains(wanted)) {
      StartFor(wanted, std::max(AddMonths(wanted, -1), FirstCalendarMonth()),
               kLunationsWhileWaiting);
    }
    return;
  }
  // Ahead of a click on either button: the next month's run starts at it,
  // the previous month's two months before it, to cover the months behind.
  const YearMonth next = AddMonths(wanted, 1);
  const YearMonth previous = AddMonths(wanted, -1);
  if (next <= LastCalendarMonth() && Known(place_, next) == nullptr && !failed_.contains(next)) {
    StartFor(next, wanted, kLunationsPerRun);
  } else if (previous >= FirstCalendarMonth() && Known(place_, previous) == nullptr &&
             !failed_.contains(previous)) {
    StartFor(previous, std::max(AddMonths(wanted, -3), FirstCalendarMonth()), kLunationsPerRun);
  }
}

void LunarCalendarMonths::StartFor(const YearMonth& target, const YearMonth& firstMonth,
                                   int32_t lunations) {
  target_ = target;
  run_.Start({place_, firstMonth, lunations});
}

void LunarCalendarMonths::RunFinished(const CalendarRunRequest& request,
                                      const RunOutcome& outcome) {
  if (!(request.place == place_)) return;
  if (outcome.ok()) {
    if (const auto rows = LunarDayInstantsOf(request, outcome)) Keep(request.place, *rows);
  }
  if (Known(place_, target_) == nullptr) failed_[target_] = CalendarFailureText(outcome);
  // The wanted month may have changed while the run was under way; the run
  // may still have brought it, or else the next run is for it.
  if (wanted_ && !wantedAnswered_) {
    if (Known(place_, *wanted_) != nullptr) {
      wantedAnswered_ = true;
      emit monthReady(*wanted_);
    } else if (const auto failure = failed_.find(*wanted_); failure != failed_.end()) {
      wantedAnswered_ = true;
      emit monthFailed(*wanted_, failure->second);
    }
  }
  StartNext();
}

}  // namespace frontend
