#include "frontend/widgets/date_box.h"

#include <QAction>
#include <QCalendar>
#include <QCalendarWidget>
#include <QKeyEvent>
#include <QScreen>
#include <QStyle>
#include <QVBoxLayout>

#include "frontend/birth/birth_date_range.h"
#include "frontend/birth/russian_dates.h"
#include "frontend/birth/typed_date.h"
#include "frontend/widgets/named.h"

namespace {

// 15 October 1582, the first Gregorian page being October 1582.
constexpr frontend::YearMonth kFirstGregorianMonth{1582, 10};

}  // namespace

TDateBox::TDateBox(QWidget* parent) : TTypedBox(parent) {
  popup_ = new QWidget(this, Qt::Popup);
  auto* layout = new QVBoxLayout(popup_);
  layout->setContentsMargins(0, 0, 0, 0);
  calendar_ = Named(new QCalendarWidget(popup_), "DateCalendar");
  calendar_->setLocale(frontend::RussianLocale());
  calendar_->setFirstDayOfWeek(frontend::RussianLocale().firstDayOfWeek());
  calendar_->setDateRange(frontend::DayOf(frontend::FirstBirthDate()),
                          frontend::DayOf(frontend::LastBirthDate()));
  calendar_->setAccessibleName(QStringLiteral("Календарь даты рождения"));
  layout->addWidget(calendar_);
  connect(calendar_, &QCalendarWidget::clicked, this, [this](QDate day) {
    popup_->hide();
    setDate(day);
  });
  connect(calendar_, &QCalendarWidget::activated, this, [this](QDate day) {
    popup_->hide();
    setDate(day);
  });
  connect(calendar_, &QCalendarWidget::currentPageChanged, this, &TDateBox::FollowEra);

  QAction* open = addAction(style()->standardIcon(QStyle::SP_TitleBarUnshadeButton),
                            QLineEdit::TrailingPosition);
  open->setToolTip(QStringLiteral("Календарь (Alt+↓)"));
  connect(open, &QAction::triggered, this, &TDateBox::ShowCalendar);
  ShowValue();
}

void TDateBox::setDate(const frontend::CivilDate& date) {
  TakeDate(date);
  ShowValue();
}

void TDateBox::setDate(QDate day) {
  setDate(frontend::CivilDateOf(day.toJulianDay()));
}

void TDateBox::TakeDate(const frontend::CivilDate& date) {
  const bool changed = date != date_;
  date_ = date;
  if (changed) emit dateChanged(date_);
}

QString TDateBox::Read(const QString& text) {
  const frontend::DateReading reading = frontend::ReadTypedDate(text, QDate::currentDate().year());
  if (!reading.date) return reading.refusal;
  TakeDate(*reading.date);
  return {};
}

QString TDateBox::EditingText() const {
  return frontend::ShortDate(date_);
}

QString TDateBox::RestingText() const {
  return frontend::LongDate(date_);
}

void TDateBox::keyPressEvent(QKeyEvent* event) {
  const bool altDown = event->key() == Qt::Key_Down && (event->modifiers() & Qt::AltModifier);
  if (altDown || event->key() == Qt::Key_F4) {
    ShowCalendar();
    return;
  }
  TTypedBox::keyPressEvent(event);
}

void TDateBox::ShowCalendar() {
  // The calendar shows the date the box holds; a refused text is no date.
  const frontend::CivilDate shown = date_;
  calendar_->setCalendar(QCalendar(frontend::MonthOf(shown) < kFirstGregorianMonth
                                       ? QCalendar::System::Julian
                                       : QCalendar::System::Gregorian));
  calendar_->setSelectedDate(frontend::DayOf(shown));
  popup_->adjustSize();
  QPoint below = mapToGlobal(QPoint(0, height()));
  if (const QScreen* screen = this->screen()) {
    const QRect area = screen->availableGeometry();
    if (below.y() + popup_->height() > area.bottom()) below.ry() -= height() + popup_->height();
    below.setX(std::min(below.x(), area.right() - popup_->width()));
  }
  popup_->move(below);
  popup_->show();
  calendar_->setFocus(Qt::PopupFocusReason);
}

void TDateBox::FollowEra(int year, int month) {
  const bool julian = calendar_->calendar().name() == QStringLiteral("Julian");
  const bool before = frontend::YearMonth{year, month} < kFirstGregorianMonth;
  if (julian == before) return;
  // The page's first day, kept as the same day under the other calendar.
  const QDate first = calendar_->calendar().dateFromParts(year, month, 1);
  calendar_->setCalendar(
      QCalendar(before ? QCalendar::System::Julian : QCalendar::System::Gregorian));
  const QCalendar::YearMonthDay parts = calendar_->calendar().partsFromDate(first);
  calendar_->setCurrentPage(parts.year, parts.month);
}
