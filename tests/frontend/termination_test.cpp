#include <QCoreApplication>
#include <QTest>
#include <QTimer>
#include <csignal>

#include "frontend/core/termination.h"

class TerminationTest : public QObject {
  Q_OBJECT

 private slots:
  void terminationSignalEndsTheEventLoop() {
    QuitOnTerminationSignals();
    bool fellThrough = false;
    QTimer::singleShot(0, [] { std::raise(SIGTERM); });
    // Without the quit the loop would run on to this timer.
    QTimer::singleShot(10000, [&fellThrough] {
      fellThrough = true;
      QCoreApplication::quit();
    });
    QCOMPARE(QCoreApplication::exec(), 0);
    QVERIFY(!fellThrough);
  }
};

QTEST_GUILESS_MAIN(TerminationTest)
#include "termination_test.moc"
