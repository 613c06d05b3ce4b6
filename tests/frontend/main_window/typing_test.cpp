// Typing into the date and time boxes of the real window, key by key, each key
// going to whichever control has the focus at that moment.
#include <QApplication>
#include <QDateEdit>
#include <QPlainTextEdit>
#include <QTest>
#include <QTimeEdit>
#include <memory>

#include "frontend/main_window/Unit1.h"
#include "frontend/widgets/degrees_spinedit.h"
#include "frontend/widgets/spinedit.h"

namespace {

void Type(const QString& keys) {
  for (const QChar key : keys) QTest::keyClick(QApplication::focusWidget(), key.toLatin1());
}

QString FocusName() {
  return QApplication::focusWidget() ? QApplication::focusWidget()->objectName() : QString();
}

}  // namespace

class TypingTest : public QObject {
  Q_OBJECT

 private:
  std::unique_ptr<TForm1> form_;
  QDate dateBefore_;
  QTime timeBefore_;

  // Everything but the box typed into keeps its value.
  void CheckOtherBoxesUntouched(const QWidget* typedInto) {
    TForm1& w = *form_;
    if (typedInto != w.DateTimePicker1) QCOMPARE(w.DateTimePicker1->date(), dateBefore_);
    if (typedInto != w.DateTimePicker2) QCOMPARE(w.DateTimePicker2->time(), timeBefore_);
    // The zone box is left out: it follows Минск's zone to the date typed.
    QCOMPARE(w.SpinEdit9->value(), 53);
    QCOMPARE(w.SpinEdit10->value(), 54);
  }

 private slots:
  void init() {
    form_ = std::make_unique<TForm1>();
    TForm1& w = *form_;
    w.show();
    QVERIFY(QTest::qWaitForWindowExposed(&w));
    // The start-up calculation's dialog takes the focus while it runs.
    QTRY_VERIFY(!w.Memo14->toPlainText().isEmpty());
    QApplication::setActiveWindow(&w);
    w.DateTimePicker2->setTime(QTime(14, 5));
    w.DateTimePicker1->setDate(QDate(2026, 12, 8));
    dateBefore_ = w.DateTimePicker1->date();
    timeBefore_ = w.DateTimePicker2->time();
    w.DateTimePicker1->setFocus(Qt::TabFocusReason);
    QTRY_COMPARE(FocusName(), QStringLiteral("DateTimePicker1"));
  }
  void cleanup() { form_.reset(); }

  void typingATimeGivesThatTime_data() {
    QTest::addColumn<QString>("keys");
    QTest::addColumn<bool>("selectAllFirst");
    QTest::addColumn<QTime>("expected");
    QTest::newRow("1:30") << "1:30" << false << QTime(1, 30);
    QTest::newRow("23:59") << "23:59" << false << QTime(23, 59);
    QTest::newRow("0:00") << "0:00" << false << QTime(0, 0);
    QTest::newRow("23:59 after Ctrl+A") << "23:59" << true << QTime(23, 59);
    QTest::newRow("1.30") << "1.30" << false << QTime(1, 30);
    QTest::newRow("9 7") << "9 7" << false << QTime(9, 7);
    // A separator after the last part stays in the box.
    QTest::newRow("7:45:") << "7:45:" << false << QTime(7, 45);
  }

  void typingATimeGivesThatTime() {
    QFETCH(QString, keys);
    QFETCH(bool, selectAllFirst);
    QFETCH(QTime, expected);
    TForm1& w = *form_;
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    QCOMPARE(FocusName(), QStringLiteral("DateTimePicker2"));
    if (selectAllFirst) QTest::keyClick(w.DateTimePicker2, Qt::Key_A, Qt::ControlModifier);
    Type(keys);
    QCOMPARE(FocusName(), QStringLiteral("DateTimePicker2"));
    QCOMPARE(w.DateTimePicker2->time(), expected);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    QCOMPARE(FocusName(), QStringLiteral("SpinEdit13"));
    QCOMPARE(w.DateTimePicker2->time(), expected);
    CheckOtherBoxesUntouched(w.DateTimePicker2);
  }

  void typingADateGivesThatDate_data() {
    QTest::addColumn<QString>("keys");
    QTest::addColumn<bool>("selectAllFirst");
    QTest::addColumn<QDate>("expected");
    QTest::newRow("01.01.1900") << "01.01.1900" << false << QDate(1900, 1, 1);
    QTest::newRow("1.1.1900") << "1.1.1900" << false << QDate(1900, 1, 1);
    QTest::newRow("1 1 1900") << "1 1 1900" << false << QDate(1900, 1, 1);
    QTest::newRow("29/2/2000") << "29/2/2000" << false << QDate(2000, 2, 29);
    QTest::newRow("31,12,1999") << "31,12,1999" << false << QDate(1999, 12, 31);
    QTest::newRow("05.03.1984 after Ctrl+A") << "05.03.1984" << true << QDate(1984, 3, 5);
    QTest::newRow("17.5.1990.") << "17.5.1990." << false << QDate(1990, 5, 17);
  }

  void typingADateGivesThatDate() {
    QFETCH(QString, keys);
    QFETCH(bool, selectAllFirst);
    QFETCH(QDate, expected);
    TForm1& w = *form_;
    if (selectAllFirst) QTest::keyClick(w.DateTimePicker1, Qt::Key_A, Qt::ControlModifier);
    Type(keys);
    QCOMPARE(FocusName(), QStringLiteral("DateTimePicker1"));
    QCOMPARE(w.DateTimePicker1->date(), expected);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    QCOMPARE(FocusName(), QStringLiteral("DateTimePicker2"));
    QCOMPARE(w.DateTimePicker1->date(), expected);
    CheckOtherBoxesUntouched(w.DateTimePicker1);
  }

  // Numeric while typed into, the long form again once the box is left.
  void dateBoxShowsTheLongFormWhenNotTypedInto() {
    TForm1& w = *form_;
    QCOMPARE(w.DateTimePicker1->text(), QStringLiteral("8 декабря 2026 г."));
    Type(QStringLiteral("1."));
    QCOMPARE(w.DateTimePicker1->text(), QStringLiteral("01.12.2026"));
    Type(QStringLiteral("1"));
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    QCOMPARE(w.DateTimePicker1->text(), QStringLiteral("1 января 2026 г."));
  }

  void tabLeavesFromAnyPartAndShiftTabComesBack() {
    TForm1& w = *form_;
    Type(QStringLiteral("3."));  // now in the month part
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    QCOMPARE(FocusName(), QStringLiteral("DateTimePicker2"));
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab, Qt::ShiftModifier);
    QCOMPARE(FocusName(), QStringLiteral("DateTimePicker1"));
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Backtab, Qt::ShiftModifier);
    QCOMPARE(FocusName(), QStringLiteral("Button1"));
    QCOMPARE(w.DateTimePicker1->date(), QDate(2026, 12, 3));
  }
};

QTEST_MAIN(TypingTest)
#include "typing_test.moc"
