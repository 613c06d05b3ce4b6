// Typing into the date and time boxes of the real window as a person entering
// a second birth does: select the old text, type the new one, leave the box.
// What is saved and calculated is what was typed, or nothing, with a reason.
#include <QApplication>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <memory>

#include "frontend/birth/civil_calendar.h"
#include "frontend/main_window/Unit1.h"
#include "frontend/persons/person_store.h"
#include "frontend/widgets/date_box.h"
#include "frontend/widgets/degrees_spinedit.h"
#include "frontend/widgets/spinedit.h"
#include "frontend/widgets/time_box.h"
#include "tests/frontend/find_widget.h"

using frontend::CivilDate;
Q_DECLARE_METATYPE(CivilDate)

namespace {

QString FocusName() {
  return QApplication::focusWidget() ? QApplication::focusWidget()->objectName() : QString();
}

QString Numeric(const CivilDate& date) {
  return QStringLiteral("%1.%2.%3").arg(date.day).arg(date.month).arg(date.year);
}

}  // namespace

class TypingTest : public QObject {
  Q_OBJECT

 private:
  QTemporaryDir home_;
  std::unique_ptr<TForm1> form_;
  TDateBox* date_ = nullptr;
  TTimeBox* time_ = nullptr;

  // Selects the box's text and types `keys` over it, as the person does.
  void TypeOver(QWidget* box, const QString& keys) {
    // A calculation's progress dialog leaves the window inactive.
    QApplication::setActiveWindow(form_.get());
    box->setFocus(Qt::MouseFocusReason);
    QTRY_COMPARE(FocusName(), box->objectName());
    QTest::keyClick(box, Qt::Key_A, Qt::ControlModifier);
    QTest::keyClicks(box, keys);
  }
  void Leave() { QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab); }
  // The first line of the week-day page, "dd.MM.yyyy, <week day>".
  QString WeekDayLine() const { return form_->Memo14->toPlainText().section(u'\n', 0, 0); }

 private slots:
  void initTestCase() {
    QVERIFY(home_.isValid());
    // The saved persons go to a file of this test's own.
    qputenv("XDG_DATA_HOME", QFile::encodeName(home_.path()));
    form_ = std::make_unique<TForm1>();
    form_->show();
    QVERIFY(QTest::qWaitForWindowExposed(form_.get()));
    QTRY_VERIFY_WITH_TIMEOUT(!form_->Memo14->toPlainText().isEmpty(), 30'000);
    QApplication::setActiveWindow(form_.get());
    date_ = Find<TDateBox>(*form_, "DateTimePicker1");
    time_ = Find<TTimeBox>(*form_, "DateTimePicker2");
  }
  void cleanupTestCase() { form_.reset(); }

  // Every date of a common and of a leap year, typed over a date in a month of
  // 28, 29, 30 and 31 days: the box holds exactly the date typed.
  void everyDateTypedOverAnyMonthIsThatDate_data() {
    QTest::addColumn<CivilDate>("before");
    QTest::addColumn<int>("year");
    for (const CivilDate& before : {CivilDate{2023, 2, 15}, CivilDate{2024, 2, 15},
                                    CivilDate{2023, 4, 15}, CivilDate{2024, 1, 15}}) {
      for (const int year : {2023, 2024}) {
        QTest::addRow("%d over %s", year, qPrintable(Numeric(before))) << before << year;
      }
    }
  }
  void everyDateTypedOverAnyMonthIsThatDate() {
    QFETCH(CivilDate, before);
    QFETCH(int, year);
    for (int64_t day = frontend::DayNumberOf({year, 1, 1});
         day < frontend::DayNumberOf({year + 1, 1, 1}); ++day) {
      const CivilDate typed = frontend::CivilDateOf(day);
      date_->setDate(before);
      TypeOver(date_, Numeric(typed));
      Leave();
      QVERIFY2(date_->date() == typed, qPrintable(Numeric(typed) + " gave " + date_->text()));
      QVERIFY(!date_->Refused());
    }
  }

  // The date and time typed are the ones calculated and saved.
  void typedDateAndTimeAreCalculatedAndSaved_data() {
    QTest::addColumn<CivilDate>("before");
    QTest::addColumn<QString>("typedDate");
    QTest::addColumn<QString>("typedTime");
    QTest::addColumn<CivilDate>("date");
    QTest::addColumn<QTime>("time");
    QTest::addColumn<QString>("weekDayLine");  // the table's week days end in a blank or not
    QTest::newRow("30.03.1990 over 15.02.1985")
        << CivilDate{1985, 2, 15} << "30.03.1990"
        << "1:30" << CivilDate{1990, 3, 30} << QTime(1, 30) << "30.03.1990, Пятница ";
    QTest::newRow("31st over a 30-day month")
        << CivilDate{2001, 9, 30} << "31.10.2001"
        << "01:30" << CivilDate{2001, 10, 31} << QTime(1, 30) << "31.10.2001, Среда ";
    QTest::newRow("two-digit year")
        << CivilDate{2026, 12, 8} << "17.05.90"
        << "1.30" << CivilDate{1990, 5, 17} << QTime(1, 30) << "17.05.1990, Четверг";
    // Julian dates: 1500 is a leap year, and 4 October 1582 a Thursday.
    QTest::newRow("Julian leap day")
        << CivilDate{2026, 12, 8} << "29.02.1500"
        << "12:00" << CivilDate{1500, 2, 29} << QTime(12, 0) << "29.02.1500, Суббота";
    QTest::newRow("last Julian day")
        << CivilDate{2026, 12, 8} << "4.10.1582"
        << "12:00" << CivilDate{1582, 10, 4} << QTime(12, 0) << "04.10.1582, Четверг";
    QTest::newRow("first year, three digits")
        << CivilDate{2026, 12, 8} << "1.1.100"
        << "12:00" << CivilDate{100, 1, 1} << QTime(12, 0) << "01.01.0100, Среда ";
  }
  void typedDateAndTimeAreCalculatedAndSaved() {
    QFETCH(CivilDate, before);
    QFETCH(QString, typedDate);
    QFETCH(QString, typedTime);
    QFETCH(CivilDate, date);
    QFETCH(QTime, time);
    QFETCH(QString, weekDayLine);
    date_->setDate(before);
    TypeOver(date_, typedDate);
    TypeOver(time_, typedTime);
    // Enter reads the box and presses "Расчет".
    QTest::keyClick(time_, Qt::Key_Return);
    QTRY_VERIFY_WITH_TIMEOUT(form_->horoscope() && form_->horoscope()->birth.date == date, 30'000);
    QCOMPARE(form_->horoscope()->birth.time, time);
    QCOMPARE(WeekDayLine(), weekDayLine);
    QCOMPARE(time_->text(), time.toString(QStringLiteral("H:mm")));

    QTest::mouseClick(form_->SaveButton, Qt::LeftButton);
    const auto saved = form_->personStore().List();
    QVERIFY(saved.has_value());
    bool found = false;
    for (const frontend::SavedPerson& person : *saved) {
      found = found || (person.birth.date == date && person.birth.time == time);
    }
    QVERIFY(found);
  }

  // A text that names no date is kept as typed, marked, with its reason, and
  // "Расчет" does not run on any other date.
  void aDateThatDoesNotExistIsKeptWithItsReason_data() {
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("reason");
    QTest::newRow("31.02.1990") << "31.02.1990"
                                << "Такой даты нет: в феврале 1990 года 28 дней";
    QTest::newRow("99.99.9999") << "99.99.9999"
                                << "месяца 99 нет";
    QTest::newRow("reform gap") << "10.10.1582"
                                << "15 октября";
    QTest::newRow("beyond the calculator") << "1.1.4000"
                                           << "31 октября 3995 г.";
    QTest::newRow("before the calculator") << "31.12.0099"
                                           << "1 января 100 г.";
  }
  void aDateThatDoesNotExistIsKeptWithItsReason() {
    QFETCH(QString, typed);
    QFETCH(QString, reason);
    const CivilDate before{1990, 5, 17};
    date_->setDate(before);
    time_->setTime(QTime(14, 30));
    form_->Button1->click();
    QTRY_VERIFY_WITH_TIMEOUT(form_->horoscope()->birth.date == before, 30'000);
    const QString pageBefore = form_->Memo14->toPlainText();

    TypeOver(date_, typed);
    Leave();
    QCOMPARE(date_->text(), typed);
    QCOMPARE(date_->date(), before);
    auto* note = Find<QLabel>(*form_, "RefusalNote");
    QVERIFY(note->isVisible());
    QVERIFY2(note->text().contains(reason), qPrintable(note->text()));
    QVERIFY(date_->accessibleDescription().contains(reason));

    form_->Button1->click();
    QCOMPARE(form_->horoscope()->birth.date, before);
    QCOMPARE(form_->Memo14->toPlainText(), pageBefore);
    QVERIFY(note->text().contains(QStringLiteral("Расчет не выполнен")));
    QCOMPARE(FocusName(), QStringLiteral("DateTimePicker1"));
    QCOMPARE(date_->text(), typed);

    // Put right, the date stands and the reason goes.
    TypeOver(date_, QStringLiteral("17.06.1990"));
    Leave();
    QCOMPARE(date_->date(), (CivilDate{1990, 6, 17}));
    QVERIFY(!note->isVisible());
  }

  void aTimeThatDoesNotExistIsKeptWithItsReason_data() {
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("reason");
    QTest::newRow("14:60") << "14:60"
                           << "минуты от 0 до 59";
    QTest::newRow("24:00") << "24:00"
                           << "часы от 0 до 23";
    QTest::newRow("25:00") << "25:00"
                           << "часы от 0 до 23";
  }
  void aTimeThatDoesNotExistIsKeptWithItsReason() {
    QFETCH(QString, typed);
    QFETCH(QString, reason);
    time_->setTime(QTime(14, 30));
    TypeOver(time_, typed);
    Leave();
    QCOMPARE(time_->text(), typed);
    QCOMPARE(time_->time(), QTime(14, 30));
    auto* note = Find<QLabel>(*form_, "RefusalNote");
    QVERIFY2(note->isVisible() && note->text().contains(reason), qPrintable(note->text()));
    time_->setTime(QTime(14, 30));
    QVERIFY(!note->isVisible());
  }

  // Numeric while typed into, the long form once the box is left; a
  // two-digit year shows in full as soon as it is read.
  void twoDigitYearShowsInFullAtOnce() {
    date_->setDate(CivilDate{2026, 12, 8});
    QCOMPARE(date_->text(), QStringLiteral("8 декабря 2026 г."));
    QApplication::setActiveWindow(form_.get());
    date_->setFocus(Qt::TabFocusReason);
    QCOMPARE(date_->text(), QStringLiteral("08.12.2026"));
    QTest::keyClick(date_, Qt::Key_A, Qt::ControlModifier);
    QTest::keyClicks(date_, QStringLiteral("5.5.05"));
    Leave();
    QCOMPARE(date_->text(), QStringLiteral("5 мая 2005 г."));
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab, Qt::ShiftModifier);
    QCOMPARE(FocusName(), QStringLiteral("DateTimePicker1"));
    QCOMPARE(date_->text(), QStringLiteral("05.05.2005"));
  }
};

QTEST_MAIN(TypingTest)
#include "typing_test.moc"
