// The window's dates are Russian whatever the system's language; ctest runs
// this under the C, en_US and de_DE locales.
#include <QCalendarWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTest>

#include "frontend/main_window/Unit1.h"
#include "frontend/widgets/date_box.h"
#include "frontend/widgets/time_box.h"

class RussianDatesTest : public QObject {
  Q_OBJECT

 private slots:
  // Otherwise the window would never see the language under test.
  void systemLocaleIsTheOneUnderTest() {
    const QString wanted = qEnvironmentVariable("LC_ALL").section(u'.', 0, 0);
    QVERIFY(!wanted.isEmpty());
    QCOMPARE(QLocale::system().name(), wanted);
    QCOMPARE(QLocale().name(), wanted);
  }

  void datesReadInRussian() {
    TForm1 w;
    QTRY_VERIFY(!w.Memo14->toPlainText().isEmpty());  // the start-up calculation
    w.DateTimePicker1->setDate(QDate(2026, 12, 8));
    QCOMPARE(w.DateTimePicker1->text(), QStringLiteral("8 декабря 2026 г."));
    w.Button1->click();
    QVERIFY2(w.Memo14->toPlainText().startsWith(QStringLiteral("08.12.2026, Вторник")),
             qPrintable(w.Memo14->toPlainText().left(40)));

    // The pop-up calendar: Russian day names, the week from Monday.
    const QCalendarWidget* calendar = w.DateTimePicker1->calendarWidget();
    QCOMPARE(calendar->locale().dayName(1, QLocale::ShortFormat), QStringLiteral("пн"));
    QCOMPARE(calendar->firstDayOfWeek(), Qt::Monday);
  }
};

QTEST_MAIN(RussianDatesTest)
#include "russian_dates_test.moc"
