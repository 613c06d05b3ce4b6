// Picking a day in the date box's calendar pop-up around the change of
// calendars: up to 4 October 1582 the pages are Julian, from 15 October on
// Gregorian, and the days between never were.
#include <QAbstractItemView>
#include <QCalendar>
#include <QCalendarWidget>
#include <QTest>

#include "frontend/widgets/date_box.h"

Q_DECLARE_METATYPE(frontend::CivilDate)

class DateBoxTest : public QObject {
  Q_OBJECT

 private slots:
  void pickedCellIsTheDayItNames_data() {
    QTest::addColumn<frontend::CivilDate>("held");
    QTest::addColumn<bool>("julianPage");
    QTest::addColumn<frontend::CivilDate>("cell");  // the cell's number on its page
    QTest::addColumn<frontend::CivilDate>("taken");
    QTest::addColumn<bool>("popupOpen");
    const frontend::CivilDate held{1582, 10, 20};
    // 1..4 October 1582 are Julian days though the page is Gregorian.
    QTest::newRow("1 Oct 1582") << held << false << frontend::CivilDate{1582, 10, 1}
                                << frontend::CivilDate{1582, 10, 1} << false;
    QTest::newRow("5 Oct 1582 skipped")
        << held << false << frontend::CivilDate{1582, 10, 5} << held << true;
    QTest::newRow("15 Oct 1582") << held << false << frontend::CivilDate{1582, 10, 15}
                                 << frontend::CivilDate{1582, 10, 15} << false;
    QTest::newRow("Julian September")
        << frontend::CivilDate{1582, 9, 1} << true << frontend::CivilDate{1582, 9, 20}
        << frontend::CivilDate{1582, 9, 20} << false;
    QTest::newRow("Julian leap day")
        << frontend::CivilDate{1500, 2, 1} << true << frontend::CivilDate{1500, 2, 29}
        << frontend::CivilDate{1500, 2, 29} << false;
    QTest::newRow("today's calendar")
        << frontend::CivilDate{2026, 3, 1} << false << frontend::CivilDate{2026, 3, 8}
        << frontend::CivilDate{2026, 3, 8} << false;
  }
  void pickedCellIsTheDayItNames() {
    QFETCH(frontend::CivilDate, held);
    QFETCH(bool, julianPage);
    QFETCH(frontend::CivilDate, cell);
    QFETCH(frontend::CivilDate, taken);
    QFETCH(bool, popupOpen);

    TDateBox box;
    box.setDate(held);
    box.show();
    box.ShowCalendar();
    QCalendarWidget* calendar = box.calendarWidget();
    const QCalendar pageCalendar(julianPage ? QCalendar::System::Julian
                                            : QCalendar::System::Gregorian);
    QCOMPARE(calendar->calendar().name(), pageCalendar.name());
    calendar->setSelectedDate(pageCalendar.dateFromParts(cell.year, cell.month, cell.day));
    auto* view = calendar->findChild<QAbstractItemView*>();
    QVERIFY(view != nullptr);
    QTest::keyClick(view, Qt::Key_Return);

    QCOMPARE(box.date(), taken);
    QCOMPARE(calendar->isVisible(), popupOpen);
  }
};

QTEST_MAIN(DateBoxTest)
#include "date_box_test.moc"
