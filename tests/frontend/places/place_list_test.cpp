#include <QTest>

#include "frontend/places/place_list.h"

class PlaceListTest : public QObject {
  Q_OBJECT

 private slots:
  void valuesReadWithTheirSigns() {
    const struct {
      const char* value;
      int32_t latitudeDegrees, latitudeMinutes, longitudeDegrees, longitudeMinutes;
    } cases[] = {
        {"53,54\t027,34", 53, 54, 27, 34},
        {"-34,36\t-058,27", -34, 36, -58, 27},
        {"52,12\t-004,15", 52, 12, -4, 15},
        {"-33,52\t151,12", -33, 52, 151, 12},
        // "-00" and "-000" keep their side: Quito is south, Accra and London west.
        {"-00,10\t-078,48", 0, -10, -78, 48},
        {"05,33\t-000,13", 5, 33, 0, -13},
        {"51,31\t-000,08", 51, 31, 0, -8},
    };
    // Signed minutes of arc: the side shows even where the degrees are 0.
    const auto signedMinutes = [](int32_t degrees, int32_t minutes) {
      return degrees * 60 + (degrees < 0 || minutes < 0 ? -std::abs(minutes) : minutes);
    };
    for (const auto& c : cases) {
      const auto read = frontend::ParsePlaceValue(QString::fromLatin1(c.value));
      QVERIFY2(read.has_value(), c.value);
      QCOMPARE(frontend::SignedArcMinutes(read->latitude),
               signedMinutes(c.latitudeDegrees, c.latitudeMinutes));
      QCOMPARE(frontend::SignedArcMinutes(read->longitude),
               signedMinutes(c.longitudeDegrees, c.longitudeMinutes));
    }
  }

  void malformedValuesGiveNothing() {
    for (const char* value : {"#VALUE!\t141,01", "", "53,54", "53,5x\t027,34"}) {
      QVERIFY2(!frontend::ParsePlaceValue(QString::fromLatin1(value)), value);
    }
  }

  void linesAreReadInFileOrderAndFoundIgnoringCase() {
    // "Минск" and "Москва" in Windows-1251, CR LF after every line.
    const QByteArray bytes(
        "Aachen, Germany=50,45\t006,10\r\n"
        "\xCC\xE8\xED\xF1\xEA=53,54\t027,34\r\n"
        "\xCC\xEE\xF1\xEA\xE2\xE0=55,45\t037,35\r\n");
    const QStringList places = frontend::ReadPlaceList(bytes);
    QCOMPARE(places.size(), 3);
    QCOMPARE(frontend::PlaceName(places[1]), QStringLiteral("Минск"));
    QCOMPARE(frontend::FindPlace(places, QStringLiteral("МОСКВА")), 2);
    QCOMPARE(frontend::PlaceValue(places, QStringLiteral("aachen, germany")),
             QStringLiteral("50,45\t006,10"));
    QCOMPARE(frontend::FindPlace(places, QStringLiteral("Мин")), -1);
    QVERIFY(frontend::PlaceValue(places, QStringLiteral("Нигде")).isEmpty());
  }
};

QTEST_APPLESS_MAIN(PlaceListTest)
#include "place_list_test.moc"
