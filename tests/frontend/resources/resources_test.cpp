#include <QFile>
#include <QTest>

#include "frontend/resources/resources.h"

class ResourcesTest : public QObject {
  Q_OBJECT

 private slots:
  void lookUpIgnoresLetterCase() {
    QFile file(QStringLiteral(VELUNOR_DATA_DIR "/sun_days.txt"));
    QVERIFY(file.open(QIODevice::ReadOnly));
    const QByteArray expected = file.readAll();
    QCOMPARE(LoadResource(QStringLiteral("sun_days_TXT"), QStringLiteral("Xsun_days_TXT")),
             expected);
    QCOMPARE(LoadResource(QStringLiteral("SUN_DAYS_TXT"), QStringLiteral("xsun_days_txt")),
             expected);
  }

  void missingResourceNamesItself() {
    try {
      LoadResource(QStringLiteral("sun_days_TXT"), QStringLiteral("Xnowhere_TXT"));
      QFAIL("no exception");
    } catch (const ResourceNotFound& error) {
      QCOMPARE(QString::fromUtf8(error.what()), QStringLiteral("Resource Xnowhere_TXT not found"));
    }
    QVERIFY_THROWS_EXCEPTION(ResourceNotFound,
                             LoadResource(QStringLiteral("nothing"), QStringLiteral("Xnothing")));
  }
};

QTEST_APPLESS_MAIN(ResourcesTest)
#include "resources_test.moc"
