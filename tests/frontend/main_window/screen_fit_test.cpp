// Where the main window and the calculation dialogs stand on small and scaled
// screens. Sizes are outer ones: the 794 x 714 client area with a frame of 4
// pixels at the sides and bottom and a 24-pixel title bar, 802 x 742.
#include <QTest>

#include "frontend/dialogs/dialog_placement.h"
#include "frontend/main_window/screen_fit.h"

using frontend::DialogPosition;
using frontend::MainWindowFrame;

namespace {

const QRect kDesigned(234, 49, 802, 742);
const QSize kProgressDialog(321, 77);  // 313 x 49 client
const QSize kResultDialog(294, 126);   // 286 x 98 client
constexpr int kScrollBar = 16;

}  // namespace

class ScreenFitTest : public QObject {
  Q_OBJECT

 private slots:
  void mainWindowKeepsItsPlaceWhereItFits() {
    const QRect fullHd(0, 0, 1920, 1050);  // 1920 x 1080 less a 30-pixel panel
    QCOMPARE(MainWindowFrame(kDesigned, fullHd, kScrollBar), kDesigned);
  }

  void mainWindowMovesUpOnALaptopScreen() {
    // 1366 x 768 with a 24-pixel panel: 49 + 742 runs 47 pixels past 744.
    const QRect laptop(0, 0, 1366, 744);
    QCOMPARE(MainWindowFrame(kDesigned, laptop, kScrollBar), QRect(234, 2, 802, 742));
    // A panel at the top: the window stays below it.
    const QRect panelOnTop(0, 24, 1366, 744);
    QCOMPARE(MainWindowFrame(kDesigned, panelOnTop, kScrollBar), QRect(234, 26, 802, 742));
  }

  // 1024 x 768 with a 40-pixel panel is lower than the window: the window
  // takes the whole height from the top and scrolls; it also moves left so
  // that the scroll bar stays on the screen.
  void mainWindowTallerThanTheScreenScrolls() {
    const QRect small(0, 0, 1024, 728);
    QCOMPARE(MainWindowFrame(kDesigned, small, kScrollBar), QRect(1024 - 818, 0, 818, 728));
  }

  // 2560 x 1440 at scale 2 is 1280 x 720 logical pixels; a second screen on
  // its right starts at 1280.
  void mainWindowOnAScaledScreen() {
    QCOMPARE(MainWindowFrame(kDesigned, QRect(0, 0, 1280, 720), kScrollBar),
             QRect(234, 0, 818, 720));
    QCOMPARE(MainWindowFrame(kDesigned.translated(1280, 0), QRect(1280, 0, 1280, 720), kScrollBar),
             QRect(1514, 0, 818, 720));
  }

  void dialogsStraddleTheBottomEdgeWhereThatFits() {
    // The window ends at 49 + 742 = 791: the dialogs start 15 pixels above,
    // centred with the half-difference truncated.
    const QRect fullHd(0, 0, 1920, 1050);
    QCOMPARE(DialogPosition(kDesigned, kProgressDialog, fullHd), QPoint(474, 776));
    QCOMPARE(DialogPosition(kDesigned, kResultDialog, fullHd), QPoint(488, 776));
    // A dialog wider than the window: the half-difference truncates toward zero.
    QCOMPARE(DialogPosition(QRect(100, 0, 300, 200), kProgressDialog, fullHd), QPoint(90, 185));
  }

  // Wherever the straddling place would leave the screen, the whole dialog,
  // its OK button too, stays inside the free area and over the main window.
  void dialogsStayOnTheScreenOverTheMainWindow_data() {
    QTest::addColumn<QRect>("available");
    QTest::newRow("1366 x 768") << QRect(0, 0, 1366, 744);
    QTest::newRow("1024 x 768") << QRect(0, 0, 1024, 728);
    QTest::newRow("2560 x 1440 at scale 2") << QRect(0, 0, 1280, 720);
    QTest::newRow("second screen at scale 2") << QRect(1280, 0, 1280, 720);
  }

  void dialogsStayOnTheScreenOverTheMainWindow() {
    QFETCH(QRect, available);
    const QRect mainFrame =
        MainWindowFrame(kDesigned.translated(available.topLeft()), available, kScrollBar);
    for (const QSize& dialog : {kProgressDialog, kResultDialog}) {
      const QRect placed(DialogPosition(mainFrame, dialog, available), dialog);
      QVERIFY2(available.contains(placed), qPrintable(QStringLiteral("%1,%2 %3x%4")
                                                          .arg(placed.x())
                                                          .arg(placed.y())
                                                          .arg(placed.width())
                                                          .arg(placed.height())));
      QVERIFY(mainFrame.contains(placed));
      QVERIFY(qAbs(placed.center().x() - mainFrame.center().x()) <= 1);
    }
  }

  // A main window moved off to a corner: the dialog still comes on the screen.
  void dialogOfAWindowPartlyOffTheScreen() {
    const QRect available(0, 0, 1366, 744);
    const QRect offRight(1200, 100, 802, 742);
    const QRect placed(DialogPosition(offRight, kResultDialog, available), kResultDialog);
    QVERIFY(available.contains(placed));
  }
};

QTEST_MAIN(ScreenFitTest)
#include "screen_fit_test.moc"
