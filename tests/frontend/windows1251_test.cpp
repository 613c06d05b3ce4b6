#include <QTest>

#include "frontend/windows1251.h"

class Windows1251Test : public QObject {
  Q_OBJECT

 private slots:
  void decodesCyrillicAndPunctuation() {
    // "Минск", "Ёё", "№", guillemets and the dash, byte by byte.
    QCOMPARE(DecodeCp1251("\xCC\xE8\xED\xF1\xEA"), QStringLiteral("Минск"));
    QCOMPARE(DecodeCp1251("\xA8\xB8\xB9\xAB\xBB\x97"), QStringLiteral("Ёё№«»—"));
    QCOMPARE(DecodeCp1251("\xC0\xDF\xE0\xFF"), QStringLiteral("АЯая"));
    QCOMPARE(DecodeCp1251("\xB2\xB3\xA1\xA2"), QStringLiteral("ІіЎў"));  // Belarusian letters
    QCOMPARE(DecodeCp1251("a\tb"), QStringLiteral("a\tb"));
  }

  void unassignedByteIsVisible() { QCOMPARE(DecodeCp1251("\x98"), QString(QChar(0xFFFD))); }

  void encodingReversesDecodingForEveryAssignedByte() {
    for (int code = 0; code < 256; ++code) {
      if (code == 0x98) continue;
      const std::string byte(1, static_cast<char>(code));
      QCOMPARE(EncodeCp1251(DecodeCp1251(byte)), byte);
    }
  }

  void encodingMarksForeignCharacters() {
    QCOMPARE(EncodeCp1251(QStringLiteral("08.12.2026 日")), std::string("08.12.2026 ?"));
    QCOMPARE(EncodeCp1251(QString(QChar(0xFFFD))), std::string("?"));
  }
};

QTEST_APPLESS_MAIN(Windows1251Test)
#include "windows1251_test.moc"
