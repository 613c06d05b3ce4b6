// The lunar calendar page as the user meets it: its tab after the three
// result pages, opening on today at the place in the boxes with the lunar day
// the birth calculation finds for now, moving between months, following
// "Расчет", and a failure shown on the page in place of the grid.
#include <QApplication>
#include <QComboBox>
#include <QDateTime>
#include <QFile>
#include <QLabel>
#include <QPushButton>
#include <QStackedWidget>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTest>
#include <QTextBrowser>
#include <memory>

#include "frontend/calendar_page/lunar_calendar_page.h"
#include "frontend/calendar_page/lunar_month_grid.h"
#include "frontend/main_window/Unit1.h"
#include "frontend/widgets/date_box.h"
#include "frontend/widgets/degrees_spinedit.h"
#include "frontend/widgets/spinedit.h"
#include "frontend/widgets/time_box.h"
#include "frontend/widgets/zone_spinedit.h"
#include "tests/frontend/find_widget.h"

class LunarCalendarWindowTest : public QObject {
  Q_OBJECT

 private:
  std::unique_ptr<TForm1> form_;

  LunarCalendarPage& Page() { return *Find<LunarCalendarPage>(*form_, "TabSheet11"); }
  LunarMonthGrid& Grid() { return *Find<LunarMonthGrid>(*form_, "LunarMonthGrid1"); }

  void Open() { Find<QTabWidget>(*form_, "PageControl1")->setCurrentWidget(&Page()); }
  void AwayAndBack() {
    Find<QTabWidget>(*form_, "PageControl1")->setCurrentIndex(0);
    Open();
  }

 private slots:
  void init() {
    form_ = std::make_unique<TForm1>();
    form_->show();
    QVERIFY(QTest::qWaitForWindowExposed(form_.get()));
    // The start-up calculation for now at Минск.
    QTRY_VERIFY_WITH_TIMEOUT(!Find<QLabel>(*form_, "Label1")->text().isEmpty(), 30'000);
    // PgUp and PgDn are the active window's shortcuts.
    QApplication::setActiveWindow(form_.get());
  }
  void cleanup() { form_.reset(); }

  void isTheFourthPageAndClosedAtStart() {
    auto* pages = Find<QTabWidget>(*form_, "PageControl1");
    QCOMPARE(pages->count(), 4);
    QCOMPARE(pages->indexOf(&Page()), 3);
    QCOMPARE(pages->tabText(3), QStringLiteral("Лунный календарь"));
    QCOMPARE(pages->currentIndex(), 0);
    // Nothing is computed for a page not opened.
    QVERIFY(!Grid().hasLunarDays());
  }

  void opensOnTodayWithTheLunarDayOfNow() {
    Open();
    QTRY_VERIFY_WITH_TIMEOUT(Grid().hasLunarDays(), 30'000);
    const frontend::CivilDate today = Page().Today();
    QVERIFY(Grid().month() == frontend::MonthOf(today));
    QVERIFY(Find<QLabel>(*form_, "MonthCaption")
                ->text()
                .endsWith(QLatin1Char(' ') + QString::number(today.year)));
    QVERIFY(Find<QLabel>(*form_, "PlaceCaption")->text().contains(QStringLiteral("Минск")));
    QVERIFY(Grid().selected() == today);
    // The birth calculation at start-up took now at Минск: its lunar day is
    // the one the calendar says is going on now.
    const QString caption = Find<QLabel>(*form_, "Label1")->text();
    const QString number = caption.section(QStringLiteral("на "), 1).section(u'-', 0, 0);
    const QString details = Find<QTextBrowser>(*form_, "LunarDayDetails")->toPlainText();
    QVERIFY2(details.contains(number + QStringLiteral("-й лунный день")), qPrintable(details));
    const QString current = details.section(QStringLiteral("идет сейчас"), 0, 0)
                                .section(QStringLiteral("-й лунный день"), -2, -2)
                                .section(u'\n', -1);
    QCOMPARE(current.trimmed(), number);
    // The header says the same at a glance.
    const QString glance = Find<QLabel>(*form_, "TodayCaption")->text();
    QVERIFY2(glance.contains(QStringLiteral("Сегодня <b>") + number + QStringLiteral("-й лунный")),
             qPrintable(glance));
    QVERIFY(!Find<QLabel>(*form_, "CalendarStatus")->isVisible() ||
            Find<QLabel>(*form_, "CalendarStatus")->text().isEmpty());
  }

  void movesBetweenMonthsAndBackToToday() {
    Open();
    QTRY_VERIFY_WITH_TIMEOUT(Grid().hasLunarDays(), 30'000);
    Page().ShowMonth({2026, 2});
    QTRY_VERIFY_WITH_TIMEOUT(Grid().hasLunarDays(), 30'000);
    auto* caption = Find<QLabel>(*form_, "MonthCaption");
    QCOMPARE(caption->text(), QStringLiteral("Февраль 2026"));
    QTest::keyClick(&Grid(), Qt::Key_PageDown);
    QCOMPARE(caption->text(), QStringLiteral("Март 2026"));
    QTRY_VERIFY_WITH_TIMEOUT(Grid().hasLunarDays(), 30'000);
    // Back over the turn of the year.
    for (int i = 0; i < 3; ++i) QTest::keyClick(&Grid(), Qt::Key_PageUp);
    QCOMPARE(caption->text(), QStringLiteral("Декабрь 2025"));
    QTest::mouseClick(Find<QPushButton>(*form_, "MonthBackButton"), Qt::LeftButton);
    QCOMPARE(caption->text(), QStringLiteral("Ноябрь 2025"));
    QTRY_VERIFY_WITH_TIMEOUT(Grid().hasLunarDays(), 30'000);
    QTest::mouseClick(Find<QPushButton>(*form_, "TodayButton"), Qt::LeftButton);
    QVERIFY(Grid().month() == frontend::MonthOf(Page().Today()));
    QVERIFY(Grid().selected() == Page().Today());

    // The ends of the calculator's range: the buttons stop there.
    Page().ShowMonth({100, 2});
    QTest::mouseClick(Find<QPushButton>(*form_, "MonthBackButton"), Qt::LeftButton);
    QCOMPARE(caption->text(), QStringLiteral("Январь 100"));
    QVERIFY(!Find<QPushButton>(*form_, "MonthBackButton")->isEnabled());
    QTRY_VERIFY_WITH_TIMEOUT(Grid().hasLunarDays(), 30'000);
  }

  void aSelectedDateShowsItsLunarDaysTexts() {
    Open();
    Page().ShowMonth({2026, 12});
    QTRY_VERIFY_WITH_TIMEOUT(
        Grid().hasLunarDays() && Grid().month() == (frontend::YearMonth{2026, 12}), 30'000);
    const QRect ninth = Grid().CellRect({2026, 12, 9});
    QTest::mouseClick(&Grid(), Qt::LeftButton, {}, ninth.center());
    const QString details = Find<QTextBrowser>(*form_, "LunarDayDetails")->toPlainText();
    // The 29th lunar day, the 1st from the new moon at 3:53 to the moonrise
    // at 9:35, then the 2nd; each with its verse, phrase and knife.
    QVERIFY2(details.contains(QStringLiteral("1-й лунный день (новолуние): с 9 декабря, 3:53 до "
                                             "9 декабря, 9:35")),
             qPrintable(details));
    QVERIFY(details.contains(QStringLiteral("29-й лунный день")));
    QVERIFY(details.contains(QStringLiteral("2-й лунный день")));
    QVERIFY(details.contains(QStringLiteral("Боевое: Острота")));
    QVERIFY(details.contains(QStringLiteral("В первый день делай все, что хочешь")));
    QCOMPARE(Grid().CellLines({2026, 12, 9}).size(), 4);
  }

  void aFailureIsShownInPlaceOfTheGrid() {
    Open();
    QTRY_VERIFY_WITH_TIMEOUT(Grid().hasLunarDays(), 30'000);
    Find<TSpinEdit>(*form_, "SpinEdit9")->setValue(90);
    Find<TSpinEdit>(*form_, "SpinEdit10")->setValue(60);
    AwayAndBack();
    auto* failure = Find<QLabel>(*form_, "CalendarFailure");
    QTRY_VERIFY_WITH_TIMEOUT(failure->isVisible(), 30'000);
    QVERIFY(!Grid().isVisible());
    QVERIFY2(failure->text().contains(QStringLiteral("Широта 91° 00′")),
             qPrintable(failure->text()));
  }

  void followsThePlaceOnRaschet() {
    Open();
    QTRY_VERIFY_WITH_TIMEOUT(Grid().hasLunarDays(), 30'000);
    auto* places = Find<QComboBox>(*form_, "ComboBox1");
    const int murmansk = places->findText(QStringLiteral("Мурманск"));
    QVERIFY(murmansk >= 0);
    places->setCurrentIndex(murmansk);
    emit places->activated(murmansk);
    // Not before "Расчет".
    QVERIFY(Find<QLabel>(*form_, "PlaceCaption")->text().contains(QStringLiteral("Минск")));
    QTest::mouseClick(Find<QPushButton>(*form_, "Button1"), Qt::LeftButton);
    QVERIFY(Find<QLabel>(*form_, "PlaceCaption")->text().contains(QStringLiteral("Мурманск")));
    QTRY_VERIFY_WITH_TIMEOUT(Grid().hasLunarDays(), 30'000);
    QCOMPARE(Page().place().latitude.degrees, 68);
  }

  void eachDateIsOnThePlacesClockWhateverTheBirth() {
    // Born in Kyiv on summer time (+3 in July 1990): the calendar follows the
    // zone, not the birth's offset; on 29 March 2026 the clocks go forward.
    auto* places = Find<QComboBox>(*form_, "ComboBox1");
    const int kyiv = places->findText(QStringLiteral("Киев"));
    QVERIFY(kyiv >= 0);
    places->setCurrentIndex(kyiv);
    emit places->activated(kyiv);
    Find<TDateBox>(*form_, "DateTimePicker1")->setDate(QDate(1990, 7, 17));
    Open();
    const QString followed = Find<QLabel>(*form_, "PlaceCaption")->text();
    QVERIFY2(
        followed.contains(QStringLiteral("Europe/Kyiv — время местное, с переходом на летнее")) &&
            !followed.contains(QStringLiteral("UTC+3")),
        qPrintable(followed));
    const frontend::CalendarPlace summerBirth = Page().place();
    Page().ShowMonth({2026, 3});
    QTRY_VERIFY_WITH_TIMEOUT(
        Grid().hasLunarDays() && Grid().month() == (frontend::YearMonth{2026, 3}), 30'000);
    QVERIFY2(Grid().CellLines({2026, 3, 29}).contains(QStringLiteral("летнее: 3:00→4:00")),
             qPrintable(Grid().CellLines({2026, 3, 29}).join(u'|')));
    QVERIFY(!Grid().CellLines({2026, 3, 28}).join(u'|').contains(QStringLiteral("летнее:")));
    // A winter birth gives the same calendar.
    Find<TDateBox>(*form_, "DateTimePicker1")->setDate(QDate(1990, 1, 17));
    QTest::mouseClick(Find<QPushButton>(*form_, "Button1"), Qt::LeftButton);
    QVERIFY(Page().place() == summerBirth);
    // A zone typed with minutes holds for every date, and the header says so.
    auto* zone = Find<TZoneSpinEdit>(*form_, "SpinEdit13");
    zone->setMinutes(5 * 60 + 30);
    emit zone->edited();
    QTest::mouseClick(Find<QPushButton>(*form_, "Button1"), Qt::LeftButton);
    const QString typed = Find<QLabel>(*form_, "PlaceCaption")->text();
    QVERIFY2(typed.contains(QStringLiteral("UTC+5:30 — введено вручную, для всех дат")),
             qPrintable(typed));
    QCOMPARE(Page().place().zoneOffsetMinutes, 330);
    QTRY_VERIFY_WITH_TIMEOUT(Grid().hasLunarDays(), 30'000);
    QVERIFY(!Grid().CellLines({2026, 3, 29}).join(u'|').contains(QStringLiteral("летнее:")));
  }

  void exportsTheMonthsShownWithTheGridsInstants() {
    Open();
    Page().ShowMonth({2026, 3});
    QTRY_VERIFY_WITH_TIMEOUT(
        Grid().hasLunarDays() && Grid().month() == (frontend::YearMonth{2026, 3}), 30'000);
    QTemporaryDir directory;
    const QString path = directory.filePath(QStringLiteral("март.ics"));
    QCOMPARE(Page().ExportICalendar(path, 2), QString());
    QFile file(path);
    QVERIFY(file.open(QIODevice::ReadOnly));
    const QByteArray ics = file.readAll();
    // March and April: about 59 lunar days, each an event.
    QVERIFY2(ics.count("BEGIN:VEVENT") >= 58, ics.left(200).constData());
    // The lunar day beginning on 29 March starts at the grid's instant.
    for (const frontend::LunarDaySpan& day : Grid().LunarDaysOf({2026, 3, 29})) {
      const QByteArray start = QDateTime::fromSecsSinceEpoch(day.start.utc, Qt::UTC)
                                   .toString("yyyyMMddTHHmmss")
                                   .toLatin1();
      QVERIFY2(ics.contains("DTSTART:" + start + "Z\r\n"), start.constData());
    }
    // A folder that cannot be written says so and writes nothing.
    const QString refused = Page().ExportICalendar(QStringLiteral("/proc/нет/март.ics"), 1);
    QVERIFY2(refused.contains(QStringLiteral("Не удалось")), qPrintable(refused));
  }
};

QTEST_MAIN(LunarCalendarWindowTest)
#include "lunar_calendar_window_test.moc"
