#include <QTest>

#include "frontend/core/place_list.h"

namespace {

void CompareCoordinates(const std::optional<PlaceCoordinates>& actual, int32_t latitudeDegrees,
                        int32_t latitudeMinutes, int32_t longitudeDegrees,
                        int32_t longitudeMinutes) {
  QVERIFY(actual.has_value());
  QCOMPARE(actual->latitudeDegrees, latitudeDegrees);
  QCOMPARE(actual->latitudeMinutes, latitudeMinutes);
  QCOMPARE(actual->longitudeDegrees, longitudeDegrees);
  QCOMPARE(actual->longitudeMinutes, longitudeMinutes);
}

}  // namespace

class PlaceListTest : public QObject {
  Q_OBJECT

 private slots:
  void valuesReadWithTheirSigns() {
    CompareCoordinates(ParsePlaceValue(QStringLiteral("53,54\t027,34")), 53, 54, 27, 34);
    CompareCoordinates(ParsePlaceValue(QStringLiteral("-34,36\t-058,27")), -34, 36, -58, 27);
    CompareCoordinates(ParsePlaceValue(QStringLiteral("52,12\t-004,15")), 52, 12, -4, 15);
    CompareCoordinates(ParsePlaceValue(QStringLiteral("-33,52\t151,12")), -33, 52, 151, 12);
  }

  void signOfZeroDegreesIsLost() {
    // The sign lives in the degrees alone, so "-00" and "-000" read as 0.
    CompareCoordinates(ParsePlaceValue(QStringLiteral("-00,10\t-078,48")), 0, 10, -78, 48);
    CompareCoordinates(ParsePlaceValue(QStringLiteral("05,33\t-000,13")), 5, 33, 0, 13);
  }

  void malformedValuesGiveNothing() {
    QVERIFY(!ParsePlaceValue(QStringLiteral("#VALUE!\t141,01")));
    QVERIFY(!ParsePlaceValue(QString()));
    QVERIFY(!ParsePlaceValue(QStringLiteral("53,54")));
    QVERIFY(!ParsePlaceValue(QStringLiteral("53,5x\t027,34")));
  }

  void linesAreReadInFileOrderAndFoundIgnoringCase() {
    // "Минск" and "Москва" in Windows-1251, CR LF after every line.
    const QByteArray bytes(
        "Aachen, Germany=50,45\t006,10\r\n"
        "\xCC\xE8\xED\xF1\xEA=53,54\t027,34\r\n"
        "\xCC\xEE\xF1\xEA\xE2\xE0=55,45\t037,35\r\n");
    const QStringList places = ReadPlaceList(bytes);
    QCOMPARE(places.size(), 3);
    QCOMPARE(PlaceName(places[1]), QStringLiteral("Минск"));
    QCOMPARE(FindPlace(places, QStringLiteral("МОСКВА")), 2);
    QCOMPARE(PlaceValue(places, QStringLiteral("aachen, germany")),
             QStringLiteral("50,45\t006,10"));
    QCOMPARE(FindPlace(places, QStringLiteral("Мин")), -1);
    QVERIFY(PlaceValue(places, QStringLiteral("Нигде")).isEmpty());
  }
};

QTEST_APPLESS_MAIN(PlaceListTest)
#include "place_list_test.moc"
