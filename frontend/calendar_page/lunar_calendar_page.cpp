#include "frontend/calendar_page/lunar_calendar_page.h"

#include <QDateTime>
#include <QDir>
#include <QFileDialog>
#include <QHBoxLayout>
#include <QLabel>
#include <QMenu>
#include <QMessageBox>
#include <QPrintDialog>
#include <QPrinter>
#include <QPushButton>
#include <QSaveFile>
#include <QShortcut>
#include <QShowEvent>
#include <QStackedWidget>
#include <QTextBrowser>
#include <QTextDocumentFragment>
#include <QVBoxLayout>
#include <algorithm>

#include "frontend/birth/russian_dates.h"
#include "frontend/calendar_export/calendar_export.h"
#include "frontend/calendar_page/lunar_month_grid.h"
#include "frontend/dialogs/save_location.h"
#include "frontend/lunar_calendar/calendar_day_lines.h"
#include "frontend/lunar_calendar/lunar_day_texts.h"
#include "frontend/places/zone_offset.h"
#include "frontend/printing/lunar_month_sheet.h"
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

// Two lines: the place, and the clock its dates are on.
QString PlaceCaptionText(const frontend::CalendarPlace& place, int32_t year) {
  return QStringLiteral("%1  %2\n%3")
      .arg(place.name.isEmpty() ? frontend::HandTypedPlaceText() : place.name,
           frontend::CoordinatesText(place.latitude, place.longitude),
           frontend::ZoneHeading(frontend::ZoneOf(place), year));
}

QString ZoneExplanation(const frontend::CalendarPlace& place) {
  const frontend::CalendarZone zone = frontend::ZoneOf(place);
  if (!zone.follows()) {
    return QStringLiteral(
               "Разница с гринвичем введена в окне вручную: %1. Календарь берет ее для всех "
               "дат. Выберите место в списке, чтобы часы каждой даты шли по часовому поясу "
               "места.")
        .arg(frontend::UtcOffsetText(zone.fixedOffsetMinutes() * 60));
  }
  return QStringLiteral(
             "Каждая дата — по часам пояса %1 в этот день, с летним временем и со всеми "
             "переводами часов по базе часовых поясов; в клетке дня, когда часы переводили, "
             "это написано. Дата рождения на календарь не влияет.")
      .arg(zone.name());
}

QString LegendText() {
  // The marks drawn in the cells are tied to their words by no-break spaces,
  // so that a wrapped line never leaves a mark at its end and its meaning on
  // the next.
  return QStringLiteral(
      "<b>●1</b>&nbsp;новолуние &nbsp; ○&nbsp;полнолуние &nbsp; «с 8:34» начало лунного дня по "
      "часам этой даты &nbsp; «летнее: 3:00→4:00» перевод часов &nbsp; <span "
      "style='color:#c62828'><b>зол</b></span> / "
      "<span style='color:#2e7d32'>добр</span> злой или добрый день &nbsp; "
      "<span style='color:#c62828'><u><b>8</b></u></span>&nbsp;неблагоприятный день: числа "
      "таблицы по старому стилю, отмечены по новому (в XX–XXI веках +13 дней)");
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
  // Alt+Г: "С" belongs to the main window's "Сохранить".
  TodayButton = Named(new QPushButton(QStringLiteral("Се&годня"), this), "TodayButton");
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
  TodayCaption = Named(new QLabel(this), "TodayCaption");
  TodayCaption->setTextFormat(Qt::RichText);
  TodayCaption->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Preferred);

  ExportButton =
      Named(new QPushButton(QStringLiteral("&Экспорт в календарь (.ics)…"), this), "ExportButton");
  ExportButton->setToolTip(
      QStringLiteral("Лунные дни — событиями для календаря телефона или компьютера"));
  auto* exportMenu = new QMenu(ExportButton);
  exportMenu->addAction(QStringLiteral("Этот месяц…"), this, [this] { ExportClick(1); });
  exportMenu->addAction(QStringLiteral("Двенадцать месяцев с этого…"), this,
                        [this] { ExportClick(12); });
  ExportButton->setMenu(exportMenu);
  PrintButton = Named(new QPushButton(QStringLiteral("&Печать…"), this), "PrintButton");
  PdfButton = Named(new QPushButton(QStringLiteral("&PDF…"), this), "PdfButton");
  PdfButton->setToolTip(QStringLiteral("Месяц на одной странице A4 в файл PDF"));
  connect(PrintButton, &QPushButton::clicked, this, &LunarCalendarPage::PrintClick);
  connect(PdfButton, &QPushButton::clicked, this, &LunarCalendarPage::PdfClick);
  for (QPushButton* button : {ExportButton, PrintButton, PdfButton}) {
    button->setAutoDefault(false);
    button->setFixedHeight(24);
  }

  auto* topRow = new QHBoxLayout;
  topRow->setSpacing(4);
  topRow->addWidget(MonthBackButton);
  topRow->addWidget(TodayButton);
  topRow->addWidget(MonthForwardButton);
  topRow->addSpacing(10);
  topRow->addWidget(MonthCaption);
  topRow->addWidget(CalendarStatus);
  topRow->addWidget(PlaceCaption, 1);

  auto* secondRow = new QHBoxLayout;
  secondRow->setSpacing(4);
  secondRow->addWidget(TodayCaption, 1);
  secondRow->addWidget(ExportButton);
  secondRow->addWidget(PrintButton);
  secondRow->addWidget(PdfButton);

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
  CalendarLegend->setWordWrap(true);
  CalendarLegend->setText(LegendText());

  LunarDayDetails = Named(new QTextBrowser(this), "LunarDayDetails");
  LunarDayDetails->setFixedHeight(kDetailsHeight);
  LunarDayDetails->setFrameShape(QFrame::NoFrame);
  LunarDayDetails->setOpenLinks(false);

  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(4, 4, 4, 2);
  layout->setSpacing(3);
  layout->addLayout(topRow);
  layout->addLayout(secondRow);
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
  PlaceCaption->setText(PlaceCaptionText(place, month_.year));
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
  PlaceCaption->setText(PlaceCaptionText(place_, month_.year));
  ShowTodayCaption();
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
  ShowTodayCaption();
  if (!(month == month_)) return;
  CalendarStatus->clear();
  CalendarStack->setCurrentWidget(LunarMonthGrid1);
  DrawGrid(months_.Known(place_, month));
  ShowDetails();
  ShowTodayCaption();
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
  LunarMonthGrid1->ShowMonth(month_, lunar, today);
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

QString LunarCalendarPage::MomentText(const frontend::ZonedInstant& instant) const {
  const frontend::LocalMoment moment = instant.local();
  QString text = QString::number(moment.day) + QLatin1Char(' ') +
                 frontend::RussianLocale().monthName(moment.month, QLocale::LongFormat);
  if (moment.year != month_.year) text += QLatin1Char(' ') + QString::number(moment.year);
  return text + QStringLiteral(", ") + frontend::ClockText(instant);
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
  const int64_t now = QDateTime::currentSecsSinceEpoch();
  QString html;
  for (const frontend::LunarDaySpan& day : LunarMonthGrid1->LunarDaysOf(*date)) {
    const frontend::LunarDayTexts texts = frontend::TextsOfLunarDay(tables_, day.number);
    const bool current = day.start.utc <= now && now < day.end.utc;
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

void LunarCalendarPage::ShowTodayCaption() {
  const int64_t now = QDateTime::currentSecsSinceEpoch();
  const frontend::CivilDate today = Today();
  const frontend::LunarMonth* known = months_.Known(place_, frontend::MonthOf(today));
  if (known == nullptr) {
    // Today's month is computed when it is shown; another month shown for a
    // place new to the page leaves it for the "Сегодня" button.
    TodayCaption->setText(frontend::MonthOf(today) == month_
                              ? QStringLiteral("Сегодня: лунный день считается…")
                              : QStringLiteral("Сегодня: лунный день — кнопка «Сегодня»"));
    return;
  }
  for (const frontend::CalendarDay& date : known->days) {
    for (const frontend::LunarDaySpan& day : date.lunarDays) {
      if (day.start.utc > now || now >= day.end.utc) continue;
      const frontend::DayKind kind =
          frontend::KindOfDay(frontend::TextsOfLunarDay(tables_, day.number).goodOrEvil);
      const QString adjective = frontend::KindAdjective(kind);
      TodayCaption->setText(
          QStringLiteral("Сегодня <b>%1-й лунный день</b>, с %2%3")
              .arg(day.number)
              .arg(MomentText(day.start))
              .arg(adjective.isEmpty()
                       ? QString()
                       : QStringLiteral(" — <span style='color:%1'><b>%2</b></span>")
                             .arg(kind == frontend::DayKind::kEvil ? QStringLiteral("#c62828")
                                                                   : QStringLiteral("#2e7d32"),
                                  adjective)));
      return;
    }
  }
  TodayCaption->clear();
}

LunarMonthSheet LunarCalendarPage::Sheet() const {
  LunarMonthSheet sheet;
  sheet.title = MonthTitle(month_) + QStringLiteral(" — ") + place_.name;
  sheet.subtitle = PlaceCaptionText(place_, month_.year).split(u'\n');
  // Raw text keeps the no-break spaces that plain text would turn into spaces.
  sheet.legend = QTextDocumentFragment::fromHtml(LegendText()).toRawText();
  sheet.grid = LunarMonthGrid1;
  return sheet;
}

QString LunarCalendarPage::ExportICalendar(const QString& path, int32_t count) {
  QString failure;
  auto months = months_.ComputeNow(place_, month_, count, &failure);
  if (!months) return failure;
  frontend::CalendarExport calendar{place_.name, place_.latitude, place_.longitude,
                                    frontend::ZoneOf(place_), std::move(*months)};
  QSaveFile file(path);
  if (!file.open(QIODevice::WriteOnly)) {
    return QStringLiteral("Не удалось создать файл «%1»: %2.")
        .arg(QDir::toNativeSeparators(path), file.errorString());
  }
  file.write(frontend::CalendarICalendar(calendar, tables_, QDateTime::currentSecsSinceEpoch()));
  if (!file.commit()) {
    return QStringLiteral("Не удалось записать файл «%1»: %2.")
        .arg(QDir::toNativeSeparators(path), file.errorString());
  }
  return {};
}

QString LunarCalendarPage::WritePdf(const QString& path) {
  // Paper shows the month, not which date was clicked on the screen.
  const auto selected = LunarMonthGrid1->selected();
  LunarMonthGrid1->Select(std::nullopt);
  const QString problem = WriteLunarMonthPdf(path, Sheet());
  LunarMonthGrid1->Select(selected);
  return problem;
}

void LunarCalendarPage::ExportClick(int32_t count) {
  const QString title = QStringLiteral("Экспорт в календарь");
  const QString suggested = QStringLiteral("Лунный календарь %1 %2-%3.ics")
                                .arg(place_.name)
                                .arg(month_.year)
                                .arg(month_.month, 2, 10, QLatin1Char('0'));
  QString path = QFileDialog::getSaveFileName(this, title, frontend::SuggestedSavePath(suggested),
                                              QStringLiteral("Календарь iCalendar (*.ics)"));
  if (path.isEmpty()) return;
  frontend::RememberSaveFolder(path);
  if (!path.endsWith(QStringLiteral(".ics"), Qt::CaseInsensitive)) path += QStringLiteral(".ics");
  if (const QString problem = ExportICalendar(path, count); !problem.isEmpty()) {
    QMessageBox::warning(this, title, problem);
  }
}

void LunarCalendarPage::PrintClick() {
  if (!LunarMonthGrid1->hasLunarDays()) return;
  QPrinter printer(QPrinter::HighResolution);
  printer.setDocName(MonthTitle(month_));
  printer.setPageOrientation(QPageLayout::Landscape);
  QPrintDialog dialog(&printer, this);
  dialog.setWindowTitle(QStringLiteral("Печать лунного календаря"));
  if (dialog.exec() != QDialog::Accepted) return;
  const auto selected = LunarMonthGrid1->selected();
  LunarMonthGrid1->Select(std::nullopt);
  PrintLunarMonthSheet(printer, Sheet());
  LunarMonthGrid1->Select(selected);
}

void LunarCalendarPage::PdfClick() {
  if (!LunarMonthGrid1->hasLunarDays()) return;
  const QString title = QStringLiteral("Сохранить месяц как PDF");
  const QString suggested = QStringLiteral("Лунный календарь %1 %2-%3.pdf")
                                .arg(place_.name)
                                .arg(month_.year)
                                .arg(month_.month, 2, 10, QLatin1Char('0'));
  QString path = QFileDialog::getSaveFileName(this, title, frontend::SuggestedSavePath(suggested),
                                              QStringLiteral("PDF (*.pdf)"));
  if (path.isEmpty()) return;
  frontend::RememberSaveFolder(path);
  if (!path.endsWith(QStringLiteral(".pdf"), Qt::CaseInsensitive)) path += QStringLiteral(".pdf");
  if (const QString problem = WritePdf(path); !problem.isEmpty()) {
    QMessageBox::warning(this, title, problem);
  }
}

void LunarCalendarPage::StopComputing() {
  months_.run().Stop();
}
