#include "frontend/widgets/date_pickers.h"

#include <QCalendarWidget>

#include "frontend/birth/russian_dates.h"

bool IsPartSeparator(const QKeyEvent& event) {
  if (event.modifiers() & ~(Qt::ShiftModifier | Qt::KeypadModifier)) return false;
  return event.text().size() == 1 && QStringLiteral(":./ ,").contains(event.text().front());
}

TDatePicker::TDatePicker(QWidget* parent) : TypedPicker<QDateEdit>(parent) {
  setLocale(frontend::RussianLocale());
  setDisplayFormat(frontend::LongDateFormat());
  // The pop-up calendar is a window of its own and does not take the box's
  // locale: without its own, it would name the days in the system's language.
  // The pop-up takes the calendar over.
  setCalendarPopup(true);
  auto* calendar = new QCalendarWidget;
  calendar->setLocale(frontend::RussianLocale());
  calendar->setFirstDayOfWeek(frontend::RussianLocale().firstDayOfWeek());
  setCalendarWidget(calendar);
}

void TDatePicker::BeforeTyping(int part) {
  if (displayFormat() == frontend::NumericDateFormat()) return;
  // Both forms hold day, month and year in this order, so the part typed into
  // stays the same.
  setDisplayFormat(frontend::NumericDateFormat());
  SelectPart(part);
  typedDay_ = 0;
}

void TDatePicker::AfterTyping(int part) {
  if (sectionAt(part) == DaySection) {
    typedDay_ = sectionText(DaySection).toInt();
    return;
  }
  // A day the month typed next did not allow is cut to the month's last day
  // ("29.2" in 2026); it comes back once the year typed allows it ("29.2.2000").
  if (typedDay_ <= date().day() || sectionText(YearSection).size() < 4) return;
  const QDate typed(date().year(), date().month(), typedDay_);
  if (typed.isValid()) setDate(typed);
}

void TDatePicker::focusOutEvent(QFocusEvent* event) {
  TypedPicker<QDateEdit>::focusOutEvent(event);
  typedDay_ = 0;
  if (displayFormat() != frontend::LongDateFormat()) setDisplayFormat(frontend::LongDateFormat());
}
