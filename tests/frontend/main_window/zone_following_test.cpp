// The main window's place search and the zone box following the picked place:
// offsets as the time-zone database gives them for the date entered, typing
// that ends the following, and the lunar day of a birth in a zone with minutes.
#include <QApplication>
#include <QComboBox>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QStackedWidget>
#include <QTest>
#include <memory>

#include "frontend/calculator_run/lunar_day_of_birth.h"
#include "frontend/main_window/Unit1.h"
#include "frontend/widgets/date_box.h"
#include "frontend/widgets/degrees_spinedit.h"
#include "frontend/widgets/place_search_popup.h"
#include "frontend/widgets/spinedit.h"
#include "frontend/widgets/time_box.h"
#include "frontend/widgets/zone_spinedit.h"

namespace {

// Key presses carrying `text`, one per character, as a keyboard of any
// language sends them.
void Type(QWidget* widget, const QString& text) {
  for (const QChar c : text) {
    QKeyEvent press(QEvent::KeyPress, Qt::Key_unknown, Qt::NoModifier, QString(c));
    QApplication::sendEvent(widget, &press);
    QKeyEvent release(QEvent::KeyRelease, Qt::Key_unknown, Qt::NoModifier, QString(c));
    QApplication::sendEvent(widget, &release);
  }
}

QList<int32_t> Coordinates(const TForm1& w) {
  return {w.SpinEdit9->value(), w.SpinEdit10->value(), w.SpinEdit11->value(),
          w.SpinEdit12->value()};
}

}  // namespace

class ZoneFollowingTest : public QObject {
  Q_OBJECT

 private:
  std::unique_ptr<TForm1> form_;

  TPlaceSearchPopup* Search() const {
    return form_->findChild<TPlaceSearchPopup*>(QStringLiteral("PlaceSearch"));
  }
  void Pick(const QString& name) {
    const int index = form_->ComboBox1->findText(name, Qt::MatchExactly);
    QVERIFY2(index >= 0, qPrintable(name));
    form_->ComboBox1->setCurrentIndex(index);
    emit form_->ComboBox1->activated(index);
  }
  void SetBirth(QDate date, QTime time) {
    form_->DateTimePicker1->setDate(date);
    form_->DateTimePicker2->setTime(time);
  }
  QString Note() const { return form_->ZoneNoteLabel->text(); }
  // Presses "Расчет"; the lunar day of birth the caption names.
  QString CalculatedLunarDay() {
    form_->Label1->clear();
    QTest::mouseClick(form_->Button1, Qt::LeftButton);
    return form_->Label1->text();
  }

 private slots:
  void init() {
    form_ = std::make_unique<TForm1>();
    form_->show();
    QVERIFY(QTest::qWaitForWindowExposed(form_.get()));
    QTRY_VERIFY_WITH_TIMEOUT(!form_->Label1->text().isEmpty(), 30'000);
    QApplication::setActiveWindow(form_.get());
  }
  void cleanup() { form_.reset(); }

  void pickedPlaceGivesItsOffsetAtTheDate() {
    TForm1& w = *form_;
    SetBirth(QDate(1990, 7, 17), QTime(14, 30));
    Pick(QStringLiteral("Москва"));
    QCOMPARE(w.SpinEdit13->minutes(), 4 * 60);
    // The zone is named in Russian; the tooltip adds its database name.
    QVERIFY2(
        Note().startsWith(QStringLiteral("Москва")) && Note().contains(QStringLiteral("UTC+4")),
        qPrintable(Note()));
    QVERIFY2(w.ZoneNoteLabel->toolTip().contains(QStringLiteral("Москва (Europe/Moscow)")),
             qPrintable(w.ZoneNoteLabel->toolTip()));
    // A new date with the place picked: winter time.
    w.DateTimePicker1->setDate(QDate(1990, 1, 17));
    QCOMPARE(w.SpinEdit13->minutes(), 3 * 60);
    QVERIFY2(Note().contains(QStringLiteral("UTC+3")), qPrintable(Note()));
    // The worked example keeps its zone 3.
    SetBirth(QDate(1990, 5, 17), QTime(14, 30));
    Pick(QStringLiteral("Минск"));
    QCOMPARE(w.SpinEdit13->minutes(), 3 * 60);

    SetBirth(QDate(2000, 7, 4), QTime(12, 0));
    Pick(QStringLiteral("New York City NY, USA"));
    QCOMPARE(w.SpinEdit13->minutes(), -4 * 60);
    QCOMPARE(w.SpinEdit13->text(), QStringLiteral("-4"));
    Pick(QStringLiteral("Kolkata, India"));
    QCOMPARE(w.SpinEdit13->text(), QStringLiteral("5:30"));
    Pick(QStringLiteral("Kathmandu"));
    QCOMPARE(w.SpinEdit13->minutes(), 5 * 60 + 45);
  }

  void skippedAndRepeatedHoursAreNamedAndTheNoteFits() {
    TForm1& w = *form_;
    Pick(QStringLiteral("Москва"));
    SetBirth(QDate(2005, 3, 27), QTime(2, 30));
    QCOMPARE(w.SpinEdit13->minutes(), 4 * 60);
    const QString skipped = Note();
    QVERIFY2(skipped.startsWith(QStringLiteral("Москва")), qPrintable(skipped));
    QVERIFY(w.ZoneNoteLabel->toolTip().contains(QStringLiteral("3:00")));
    SetBirth(QDate(2005, 10, 30), QTime(2, 30));
    QCOMPARE(w.SpinEdit13->minutes(), 4 * 60);
    QVERIFY2(Note().startsWith(QStringLiteral("Москва")) && Note() != skipped, qPrintable(Note()));
    // Shown whole, on one line inside the date group.
    QVERIFY2(!Note().contains(QChar(0x2026)), qPrintable(Note()));
    QVERIFY(w.GroupBox2->rect().contains(w.ZoneNoteLabel->geometry()));
    QVERIFY(w.ZoneNoteLabel->geometry().top() > w.SpinEdit13->geometry().bottom());
  }

  void typingTheZoneOrCoordinatesEndsTheFollowing() {
    TForm1& w = *form_;
    SetBirth(QDate(1990, 7, 17), QTime(14, 30));
    Pick(QStringLiteral("Москва"));
    const QString followed = Note();
    w.SpinEdit13->setFocus();
    QTest::keyClick(w.SpinEdit13, Qt::Key_A, Qt::ControlModifier);
    Type(w.SpinEdit13, QStringLiteral("5,5"));
    QCOMPARE(w.SpinEdit13->minutes(), 5 * 60 + 30);
    QVERIFY(Note() != followed && !Note().contains(QStringLiteral("Europe/Moscow")));
    w.DateTimePicker1->setDate(QDate(1990, 1, 17));
    QCOMPARE(w.SpinEdit13->minutes(), 5 * 60 + 30);

    // The next pick follows the place again.
    Pick(QStringLiteral("Москва"));
    QCOMPARE(w.SpinEdit13->minutes(), 3 * 60);
    // An arrow step is typing too.
    w.SpinEdit13->stepBy(1);
    w.DateTimePicker1->setDate(QDate(1990, 7, 17));
    QCOMPARE(w.SpinEdit13->minutes(), 4 * 60);
    w.DateTimePicker1->setDate(QDate(1990, 1, 17));
    QCOMPARE(w.SpinEdit13->minutes(), 4 * 60);

    Pick(QStringLiteral("Москва"));
    w.SpinEdit11->setFocus();
    QTest::keyClick(w.SpinEdit11, Qt::Key_A, Qt::ControlModifier);
    Type(w.SpinEdit11, QStringLiteral("30"));
    QVERIFY(!Note().contains(QStringLiteral("Europe/Moscow")));
    w.DateTimePicker1->setDate(QDate(1990, 7, 17));
    QCOMPARE(w.SpinEdit13->minutes(), 3 * 60);
  }

  void searchFindsByAnyWordAndPicksLikeTheList() {
    TForm1& w = *form_;
    Type(w.ComboBox1, QStringLiteral("МОСК"));
    TPlaceSearchPopup* search = Search();
    QTRY_VERIFY(search->isVisible());
    QCOMPARE(search->matches()->currentIndex().data().toString(), QStringLiteral("Москва, Россия"));
    QTest::keyClick(search->text(), Qt::Key_Return);
    QVERIFY(!search->isVisible());
    QCOMPARE(w.ComboBox1->currentText(), QStringLiteral("Москва"));
    // GeoNames: 55.75222 N 37.61556 E.
    QCOMPARE(Coordinates(w), (QList<int32_t>{55, 45, 37, 37}));
    QVERIFY(w.ZoneNoteLabel->toolTip().contains(QStringLiteral("Europe/Moscow")));

    // Arrow keys move down the matches, by population: York in England
    // (about 156,000 people) comes before York in Pennsylvania (44,000),
    // whose zone the zone box then follows.
    Type(w.ComboBox1, QStringLiteral("york"));
    QTRY_VERIFY(search->isVisible());
    QCOMPARE(search->matches()->currentIndex().data().toString(),
             QStringLiteral("York → Йорк, Англия, Британия"));
    for (int row = search->matches()->currentIndex().row();
         !search->matches()->currentIndex().data().toString().contains(
             QStringLiteral("Пенсильвания"));) {
      QTest::keyClick(search->text(), Qt::Key_Down);
      QVERIFY(search->matches()->currentIndex().row() == ++row);
    }
    QTest::keyClick(search->text(), Qt::Key_Return);
    QCOMPARE(w.ComboBox1->currentText(), QStringLiteral("Йорк"));
    QVERIFY(w.ZoneNoteLabel->toolTip().contains(QStringLiteral("America/New_York")));
  }

  void escapeOrANameNotInTheListKeepsThePlace() {
    TForm1& w = *form_;
    const QList<int32_t> minsk = Coordinates(w);
    Type(w.ComboBox1, QStringLiteral("орё"));
    TPlaceSearchPopup* search = Search();
    QTRY_VERIFY(search->isVisible());
    QTest::keyClick(search->text(), Qt::Key_Down);
    QTest::keyClick(search->text(), Qt::Key_Escape);
    QVERIFY(!search->isVisible());
    QCOMPARE(w.ComboBox1->currentText(), QStringLiteral("Минск"));
    QCOMPARE(Coordinates(w), minsk);

    // A name misspelt after its first letters is offered by them.
    Type(w.ComboBox1, QStringLiteral("лондонн"));
    QTRY_VERIFY(search->isVisible());
    QVERIFY(search->matches()->model()->index(0, 0).data().toString().startsWith(
        QStringLiteral("похоже: Лондон")));
    QTest::keyClick(search->text(), Qt::Key_Escape);

    // Not even three first letters of any name: nothing to offer.
    Type(w.ComboBox1, QStringLiteral("Jxqw"));
    QTRY_VERIFY(search->isVisible());
    QCOMPARE(search->matches()->model()->rowCount(), 0);
    auto* below = qobject_cast<QStackedWidget*>(search->nothingFound()->parentWidget());
    QVERIFY(below != nullptr && below->currentWidget() == search->nothingFound());
    QVERIFY(search->nothingFound()->text().contains(QStringLiteral("Jxqw")));
    // Enter picks nothing and leaves the text to correct.
    QTest::keyClick(search->text(), Qt::Key_Return);
    QVERIFY(search->isVisible());
    QTest::keyClick(search->text(), Qt::Key_Escape);
    QCOMPARE(w.ComboBox1->currentText(), QStringLiteral("Минск"));
    QCOMPARE(Coordinates(w), minsk);
  }

  // One instant entered at Kolkata's +5:30 and again as Universal Time with
  // zone 0 gives one lunar day, also where half an hour decides it.
  void sameInstantInKolkataAndInUniversalTimeGivesOneLunarDay() {
    TForm1& w = *form_;
    SetBirth(QDate(2000, 1, 15), QTime(12, 0));
    Pick(QStringLiteral("Kolkata, India"));
    QCOMPARE(w.SpinEdit13->minutes(), 5 * 60 + 30);
    QVERIFY(!CalculatedLunarDay().isEmpty());
    // The table is written on the clock of zone +5. A lunar day starting at
    // time T there starts at T + 0:30 Kolkata time, so a birth at T + 0:20
    // Kolkata time is still in the day before, though it reads later than T.
    std::vector<frontend::LunarDayStart> rows;
    for (const QString& line : w.Memo1->toPlainText().split(u'\n')) {
      if (const auto row = frontend::ReadLunarDayRow(line.toStdString())) rows.push_back(*row);
    }
    QVERIFY(rows.size() > 10);
    const frontend::LocalMoment& start = rows[6].start;
    const QDateTime onTableClock(QDate(start.year, start.month, start.day),
                                 QTime(0, 0).addSecs(start.secondOfDay), Qt::UTC);
    const QDateTime kolkata = onTableClock.addSecs(20 * 60);
    const QString expected = QStringLiteral("Дата рождения приходится на %1-й лунный день")
                                 .arg(QString::fromStdString(rows[5].lunarDay));

    SetBirth(kolkata.date(), kolkata.time());
    QCOMPARE(w.SpinEdit13->minutes(), 5 * 60 + 30);
    QCOMPARE(CalculatedLunarDay(), expected);

    const QDateTime universal = kolkata.addSecs(-(5 * 3600 + 1800));
    SetBirth(universal.date(), universal.time());
    w.SpinEdit13->setFocus();
    QTest::keyClick(w.SpinEdit13, Qt::Key_A, Qt::ControlModifier);
    Type(w.SpinEdit13, QStringLiteral("0"));
    QCOMPARE(w.SpinEdit13->minutes(), 0);
    QCOMPARE(CalculatedLunarDay(), expected);
  }
};

QTEST_MAIN(ZoneFollowingTest)
#include "zone_following_test.moc"
