#include <QTest>

#include "frontend/horoscope/windows1251.h"

class Windows1251Test : public QObject {
  Q_OBJECT

 private slots:
  // Bytes that other Cyrillic code pages (KOI8-R, DOS 866, ISO 8859-5) read
  // differently: the tables' letters, "Ёё", "№", guillemets, the dash and the
  // Belarusian letters of the folk sayings.
  void decodesTheTablesCodePage() {
    QCOMPARE(DecodeWindows1251("\xCC\xE8\xED\xF1\xEA"), QStringLiteral("Минск"));
    QCOMPARE(DecodeWindows1251("\xA8\xB8\xB9\xAB\xBB\x97"), QStringLiteral("Ёё№«»—"));
    QCOMPARE(DecodeWindows1251("\xC0\xDF\xE0\xFF"), QStringLiteral("АЯая"));
    QCOMPARE(DecodeWindows1251("\xB2\xB3\xA1\xA2"), QStringLiteral("ІіЎў"));
    QCOMPARE(DecodeWindows1251("a\tb\r\n"), QStringLiteral("a\tb\r\n"));
    QCOMPARE(Utf8FromWindows1251("\xCF\xF0\xE0\xE2\xE8"), std::string("Прави"));
  }
};

QTEST_APPLESS_MAIN(Windows1251Test)
#include "windows1251_test.moc"
