#include <QApplication>
#include <QFocusEvent>
#include <QLineEdit>
#include <QTest>

#include "frontend/resources/user_locale.h"
#include "frontend/widgets/spinedit.h"

namespace {

void LoseFocus(QWidget* widget) {
  QFocusEvent focusOut(QEvent::FocusOut);
  QApplication::sendEvent(widget, &focusOut);
}

void TypeAfterClearing(TSpinEdit& box, const QString& text) {
  box.findChild<QLineEdit*>()->clear();
  QTest::keyClicks(&box, text);
}

QString Shown(const TSpinEdit& box) {
  return box.findChild<QLineEdit*>()->text();
}

}  // namespace

class SpinEditTest : public QObject {
  Q_OBJECT

 private slots:
  void typedValueOutsideRangeIsClampedOnLeaving() {
    TSpinEdit minutes(0, 60, 45);
    TypeAfterClearing(minutes, QStringLiteral("75"));
    QCOMPARE(Shown(minutes), QStringLiteral("75"));  // typing is not refused
    QCOMPARE(minutes.value(), 60);
    LoseFocus(&minutes);
    QCOMPARE(Shown(minutes), QStringLiteral("60"));

    TSpinEdit degrees(-90, 90, 55);
    TypeAfterClearing(degrees, QStringLiteral("-120"));
    LoseFocus(&degrees);
    QCOMPARE(degrees.value(), -90);
  }

  void textThatIsNoWholeNumberReadsAsMinimum() {
    TSpinEdit latitude(-90, 90, 55);
    TypeAfterClearing(latitude, QStringLiteral("-"));
    QCOMPARE(latitude.value(), -90);

    TSpinEdit longitude(-180, 180, 37);
    TypeAfterClearing(longitude, QStringLiteral("1") + UserLocale().decimalPoint() + "5");
    QCOMPARE(longitude.value(), -180);
    TypeAfterClearing(longitude, QString());
    QCOMPARE(longitude.value(), -180);

    TSpinEdit zone(-12, 12, 3);
    TypeAfterClearing(zone, QStringLiteral("+7"));
    QCOMPARE(zone.value(), 7);
  }

  void onlyNumberCharactersCanBeTyped() {
    TSpinEdit box(-90, 90, 0);
    TypeAfterClearing(box, QStringLiteral("1a2 b"));
    QCOMPARE(Shown(box), QStringLiteral("12"));
    QTest::keyClick(&box, Qt::Key_Backspace);
    QCOMPARE(Shown(box), QStringLiteral("1"));
  }

  void arrowsStepByOneWithinRange() {
    TSpinEdit minutes(0, 60, 59);
    QTest::keyClick(&minutes, Qt::Key_Up);
    QCOMPARE(minutes.value(), 60);  // minutes allow 60
    QTest::keyClick(&minutes, Qt::Key_Up);
    QCOMPARE(minutes.value(), 60);
    QTest::keyClick(&minutes, Qt::Key_Down);
    QTest::keyClick(&minutes, Qt::Key_Down);
    QCOMPARE(minutes.value(), 58);
    minutes.setValue(0);
    QTest::keyClick(&minutes, Qt::Key_Down);
    QCOMPARE(minutes.value(), 0);
  }

  void programSetValueIsClamped() {
    TSpinEdit zone(-12, 12, 3);
    zone.setValue(13);
    QCOMPARE(Shown(zone), QStringLiteral("12"));
    zone.setValue(-100);
    QCOMPARE(zone.value(), -12);
    TSpinEdit outOfRangeAtStart(0, 60, 75);
    QCOMPARE(outOfRangeAtStart.value(), 60);
  }
};

QTEST_MAIN(SpinEditTest)
#include "spinedit_test.moc"
