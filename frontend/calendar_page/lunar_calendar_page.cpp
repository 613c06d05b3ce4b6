#include "frontend/calendar_page/lunar_calendar_page.h"

#include <QDateTime>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QShortcut>
#include <QShowEvent>
#include <QStackedWidget>
#include <QTextBrowser>
#include <QVBoxLayout>
#include <algorithm>

#include "frontend/birth/russian_dates.h"
#include "frontend/calendar_page/lunar_month_grid.h"
#include "frontend/lunar_calendar/lunar_day_texts.h"
#include "frontend/lunar_calendar/unfavourable_days.h"
#include "frontend/places/zone_names.h"
#include "frontend/places/zone_offset.h"
#include "frontend/widgets/named.h"

namespace {

// Height of the texts under the grid, in pixels: the four lines of a verse
// beside the phrase and the knife's two qualities, with the heading above.
constexpr int kDetailsHeight = 112;

QString Html(const std::string& text) {
  return QString::fromStdString(text).toHtmlEscaped();
}

QString HtmlLines(const content::Lines& lines) {
  QStringList escaped;
  for (const std::string& line : lines) escaped.append(Html(line));
  return escaped.join(QStringLiteral("<br>"));
}

QString Angle(const frontend::Coordinate& angle) {
  return QStringLiteral("%1°%2'")
      .arg(frontend::SignedDegreesText(angle))
      .arg(angle.minutes, 2, 10, QLatin1Char('0'));
}

// The calendar takes one offset for all its dates, the one in the zone box.
QString ZoneText(const frontend::CalendarPlace& place) {
  return frontend::UtcOffsetText(place.zoneOffsetMinutes * 60);
}

// Two lines: the place, and the offset the calendar uses.
QString PlaceCaptionText(const frontend::CalendarPlace& place) {
  QString text = QStringLiteral("%1  %2 %3\n%4 для всех дат")
                     .arg(place.name.isEmpty() ? frontend::HandTypedPlaceText() : place.name,
                          Angle(place.latitude), Angle(place.longitude), ZoneText(place));
  if (!place.zoneName.isEmpty()) {
    text += QStringLiteral(" (%1 на дату рождения)").arg(frontend::ZoneCity(place.zoneName));
  }
  return text;
}

QString ZoneExplanation(const frontend::CalendarPlace& place) {
  QString text =
      QStringLiteral("Все даты календаря считаются по разнице с Гринвичем, указанной в окне: %1.")
          .arg(ZoneText(place));
  if (!place.zoneName.isEmpty()) {
    text += QStringLiteral(
                " Она взята из часового пояса %1 на дату и время рождения; летнее или зимнее "
                "время других месяцев календарь не учитывает.")
                .arg(frontend::ZoneTitle(place.zoneName));
  }
  return text;
}

QString MonthTitle(const frontend::YearMonth& month) {
  QString name = frontend::RussianLocale().standaloneMonthName(month.month, QLocale::LongFormat);
  if (!name.isEmpty()) name[0] = name[0].toUpper();
  return name + QLatin1Char(' ') + QString::number(month.year);
}

}  // namespace

LunarCalendarPage::LunarCalendarPage(const content::ReferenceTables& tables, QWidget* parent)
    : QWidget(parent), tables_(tables) {
  CreateControls();
  connect(&months_, &frontend::LunarCalendarMonths::monthReady, this,
          &LunarCalendarPage::MonthReady);
  connect(&months_, &frontend::LunarCalendarMonths::monthFailed, this,
          &LunarCalendarPage::MonthFailed);
  LunarMonthGrid1->SetDayKinds([this](int32_t number) {
    return frontend::KindOfDay(frontend::TextsOfLunarDay(tables_, number).goodOrEvil);
  });
  const QDate today = QDate::currentDate();
  month_ = {today.year(), today.month()};
}

void LunarCalendarPage::CreateControls() {
  MonthBackButton = Named(new QPushButton(QStringLiteral("◀"), this), "MonthBackButton");
  MonthBackButton->setToolTip(QStringLiteral("Предыдущий месяц (PgUp)"));
  TodayButton = Named(new QPushButton(QStringLiteral("Сегодня"), this), "TodayButton");
  MonthForwardButton = Named(new QPushButton(QStringLiteral("▶"), this), "MonthForwardButton");
  MonthForwardButton->setToolTip(QStringLiteral("Следующий месяц (PgDn)"));
  for (QPushButton* button : {MonthBackButton, TodayButton, MonthForwardButton}) {
    button->setAutoDefault(false);
    button->setFixedHeight(24);
  }
  MonthBackButton->setFixedWidth(32);
  MonthForwardButton->setFixedWidth(32);
  connect(MonthBackButton, &QPushButton::clicked, this, [this] { StepMonth(-1); });
  connect(MonthForwardButton, &QPushButton::clicked, this, [this] { StepMonth(1); });
  connect(TodayButton, &QPushButton::clicked, this, &LunarCalendarPage::ShowToday);

  MonthCaption = Named(new QLabel(this), "MonthCaption");
  QFont captionFont = MonthCaption->font();
  captionFont.setPixelSize(16);
  captionFont.setBold(true);
  MonthCaption->setFont(captionFont);
  MonthCaption->setMinimumWidth(170);
  CalendarStatus = Named(new QLabel(this), "CalendarStatus");
  PlaceCaption = Named(new QLabel(this), "PlaceCaption");
  PlaceCaption->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
  // A long zone name must not widen the window; the tooltip holds it all.
  PlaceCaption->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Preferred);

  auto* topRow = new QHBoxLayout;
  topRow->setSpacing(4);
  topRow->addWidget(MonthBackButton);
  topRow->addWidget(TodayButton);
  topRow->addWidget(MonthForwardButton);
  topRow->addSpacing(10);
  topRow->addWidget(MonthCaption);
  topRow->addWidget(CalendarStatus);
  topRow->addWidget(PlaceCaption, 1);

  CalendarStack = Named(new QStackedWidget(this), "CalendarStack");
  LunarMonthGrid1 = Named(new LunarMonthGrid(CalendarStack), "LunarMonthGrid1");
  CalendarFailure = Named(new QLabel(CalendarStack), "CalendarFailure");
  CalendarFailure->setWordWrap(true);
  CalendarFailure->setAlignment(Qt::AlignCenter);
  CalendarFailure->setFrameShape(QFrame::Box);
  CalendarFailure->setMargin(20);
  CalendarStack->addWidget(LunarMonthGrid1);
  CalendarStack->addWidget(CalendarFailure);
  connect(LunarMonthGrid1, &LunarMonthGrid::dateSelected, this, &LunarCalendarPage::ShowDetails);

  CalendarLegend = Named(new QLabel(this), "CalendarLegend");
  CalendarLegend->setTextFormat(Qt::RichText);
  CalendarLegend->setText(
      QStringLiteral("<b>●1</b> новолуние &nbsp; «с 8:34» начало лунного дня &nbsp; "
                     "<span style='color:#c62828'><b>зол</b></span> / "
                     "<span style='color:#2e7d32'>добр</span> злой или добрый день &nbsp; "
                     "<span style='color:#c62828'><u><b>8</b></u></span> неблагоприятный день"));

  LunarDayDetails = Named(new QTextBrowser(this), "LunarDayDetails");
  LunarDayDetails->setFixedHeight(kDetailsHeight);
  LunarDayDetails->setFrameShape(QFrame::NoFrame);
  LunarDayDetails->setOpenLinks(false);

  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(4, 4, 4, 2);
  layout->setSpacing(3);
  layout->addLayout(topRow);
  layout->addWidget(CalendarStack, 1);
  layout->addWidget(CalendarLegend);
  layout->addWidget(LunarDayDetails);

  // Only while the page is shown: a hidden widget's shortcuts do not fire.
  auto* back = new QShortcut(QKeySequence(Qt::Key_PageUp), this);
  auto* forward = new QShortcut(QKeySequence(Qt::Key_PageDown), this);
  connect(back, &QShortcut::activated, this, [this] { StepMonth(-1); });
  connect(forward, &QShortcut::activated, this, [this] { StepMonth(1); });
}

void LunarCalendarPage::SetCalculatorFiles(const frontend::CalculatorFiles& birthRun) {
  months_.SetFiles(birthRun);
}

void LunarCalendarPage::FollowPlace(const frontend::CalendarPlace& place) {
  if (isVisible()) Refresh(place);
}

void LunarCalendarPage::showEvent(QShowEvent* event) {
  QWidget::showEvent(event);
  if (event->spontaneous()) return;  // re-exposed, not opened anew
  Refresh(placeSource_ ? placeSource_() : place_);
}

void LunarCalendarPage::Refresh(const frontend::CalendarPlace& place) {
  place_ = place;
  PlaceCaption->setText(PlaceCaptionText(place));
  PlaceCaption->setToolTip(QStringLiteral("<p>%1</p>").arg(ZoneExplanation(place).toHtmlEscaped()));
  if (!opened_) {
    opened_ = true;
    ShowToday();
    return;
  }
  ShowMonth(month_);
}

void LunarCalendarPage::ShowToday() {
  const frontend::CivilDate today = Today();
  ShowMonth(frontend::MonthOf(today));
  LunarMonthGrid1->Select(today);
  ShowDetails();
}

void LunarCalendarPage::StepMonth(int32_t count) {
  ShowMonth(frontend::AddMonths(month_, count));
}

void LunarCalendarPage::ShowMonth(const frontend::YearMonth& wanted) {
  month_ = std::clamp(wanted, frontend::FirstCalendarMonth(), frontend::LastCalendarMonth());
  MonthCaption->setText(MonthTitle(month_));
  MonthBackButton->setEnabled(month_ > frontend::FirstCalendarMonth());
  MonthForwardButton->setEnabled(month_ < frontend::LastCalendarMonth());
  const frontend::LunarMonth* known = months_.Known(place_, month_);
  if (known == nullptr) {
    // The dates at once; their lunar days when the run brings them.
    CalendarStatus->setText(QStringLiteral("считается…"));
    CalendarStack->setCurrentWidget(LunarMonthGrid1);
    DrawGrid(nullptr);
    ShowDetails();
  }
  months_.Want(place_, month_);
}

void LunarCalendarPage::MonthReady(const frontend::YearMonth& month) {
  if (!(month == month_)) return;
  CalendarStatus->clear();
  CalendarStack->setCurrentWidget(LunarMonthGrid1);
  DrawGrid(months_.Known(place_, month));
  ShowDetails();
  emit monthShown(month);
}

void LunarCalendarPage::MonthFailed(const frontend::YearMonth& month, const QString& reason) {
  if (!(month == month_)) return;
  CalendarStatus->clear();
  CalendarFailure->setText(reason);
  CalendarStack->setCurrentWidget(CalendarFailure);
  LunarDayDetails->clear();
  emit monthShown(month);
}

void LunarCalendarPage::DrawGrid(const frontend::LunarMonth* lunar) {
  const frontend::CivilDate today = Today();
  const bool sameMonth = LunarMonthGrid1->month() == month_;
  LunarMonthGrid1->ShowMonth(month_, lunar, frontend::UnfavourableDays(month_.month), today);
  // A new month opens on today when it holds today.
  if (!sameMonth || !LunarMonthGrid1->selected()) {
    LunarMonthGrid1->Select(frontend::MonthOf(today) == month_
                                ? std::optional<frontend::CivilDate>(today)
                                : std::nullopt);
  }
}

frontend::CivilDate LunarCalendarPage::Today() const {
  const frontend::LocalMoment now = frontend::LocalNowAt(place_, QDateTime::currentDateTimeUtc());
  return {now.year, now.month, now.day};
}

QString LunarCalendarPage::MomentText(const frontend::LocalMoment& moment) const {
  QString text = QString::number(moment.day) + QLatin1Char(' ') +
                 frontend::RussianLocale().monthName(moment.month, QLocale::LongFormat);
  if (moment.year != month_.year) text += QLatin1Char(' ') + QString::number(moment.year);
  return text + QStringLiteral(", ") + frontend::ClockText(moment.secondOfDay);
}

void LunarCalendarPage::ShowDetails() {
  const std::optional<frontend::CivilDate> date = LunarMonthGrid1->selected();
  if (!LunarMonthGrid1->hasLunarDays()) {
    LunarDayDetails->clear();
    return;
  }
  if (!date) {
    LunarDayDetails->setHtml(
        QStringLiteral("<i>Выберите дату, чтобы прочитать о ее лунных днях.</i>"));
    return;
  }
  const frontend::LocalMoment nowMoment =
      frontend::LocalNowAt(place_, QDateTime::currentDateTimeUtc());
  QString html;
  for (const frontend::LunarDaySpan& day : LunarMonthGrid1->LunarDaysOf(*date)) {
    const frontend::LunarDayTexts texts = frontend::TextsOfLunarDay(tables_, day.number);
    const bool current = day.start <= nowMoment && nowMoment < day.end;
    html += QStringLiteral("<p style='margin:2px 0'><b>%1-й лунный день</b>%2: с %3 до %4%5</p>")
                .arg(day.number)
                .arg(day.newMoon() ? QStringLiteral(" (новолуние)") : QString())
                .arg(MomentText(day.start), MomentText(day.end))
                .arg(current ? QStringLiteral(" — <b>идет сейчас</b>") : QString());
    html += QStringLiteral(
                "<table width='100%' cellspacing='0' cellpadding='1'><tr>"
                "<td width='52%' valign='top'>%1</td>"
                "<td valign='top'>О днях добрых и злых: <b>%2</b><br>"
                "Качества, придаваемые ножу:<br>%3</td></tr></table>")
                .arg(HtmlLines(texts.verse), HtmlLines(texts.goodOrEvil), HtmlLines(texts.knife));
  }
  LunarDayDetails->setHtml(html);
}

void LunarCalendarPage::StopComputing() {
  months_.run().Stop();
}
