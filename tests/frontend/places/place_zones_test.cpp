#include <QDateTime>
#include <QTest>
#include <QTimeZone>
#include <cmath>

#include "frontend/places/place_list.h"
#include "frontend/places/place_zones.h"
#include "frontend/resources/resources.h"

namespace {

QStringList BuiltInPlaces() {
  return frontend::ReadPlaceList(
      LoadResource(QStringLiteral("COORD_DAT"), QStringLiteral("COORD_DAT")));
}

QStringList BuiltInZones(const QStringList& places) {
  return frontend::ReadPlaceZones(
      LoadResource(QStringLiteral("PLACE_ZONES"), QStringLiteral("PLACE_ZONES")), places);
}

}  // namespace

class PlaceZonesTest : public QObject {
  Q_OBJECT

 private slots:
  void linesAreMatchedByPositionAndName() {
    // Two places of the same name get the zone of their own line.
    const QStringList places = {QStringLiteral("Aachen, Germany=50,45\t006,10"),
                                QStringLiteral("Минск=53,54\t027,34"),
                                QStringLiteral("Минск=54,43\t020,30")};
    const QStringList zones = frontend::ReadPlaceZones(
        "Aachen, Germany\tEurope/Berlin\n"
        "\xD0\x9C\xD0\xB8\xD0\xBD\xD1\x81\xD0\xBA\tEurope/Minsk\n"
        "\xD0\x9C\xD0\xB8\xD0\xBD\xD1\x81\xD0\xBA\tEurope/Kaliningrad\n",
        places);
    QCOMPARE(zones, QStringList({QStringLiteral("Europe/Berlin"), QStringLiteral("Europe/Minsk"),
                                 QStringLiteral("Europe/Kaliningrad")}));
  }

  void zonesOfAnotherListAreNotUsed() {
    const QStringList places = {QStringLiteral("Aachen, Germany=50,45\t006,10"),
                                QStringLiteral("Aalborg, Denmark=57,03\t009,55"),
                                QStringLiteral("Aalst, Belgium=50,56\t004,02")};
    // A line left out shifts the rest: every later name differs, so those
    // places get no zone rather than a neighbour's; missing lines give none.
    QCOMPARE(frontend::ReadPlaceZones("Aachen, Germany\tEurope/Berlin\n"
                                      "Aalst, Belgium\tEurope/Brussels\n",
                                      places),
             QStringList({QStringLiteral("Europe/Berlin"), QString(), QString()}));
    // Names must match exactly; a line without a tab has no zone.
    QCOMPARE(frontend::ReadPlaceZones(
                 "aachen, germany\tEurope/Berlin\nAalborg, Denmark Europe/Copenhagen", places),
             QStringList({QString(), QString(), QString()}));
    QCOMPARE(frontend::ReadPlaceZones(QByteArray(), places).size(), places.size());
  }

  void wellKnownPlacesHaveTheirZones() {
    const QStringList places = BuiltInPlaces();
    const QStringList zones = BuiltInZones(places);
    const auto zoneOf = [&](const QString& name) {
      const qsizetype index = frontend::FindPlace(places, name);
      return index < 0 ? QStringLiteral("<no place %1>").arg(name) : zones[index];
    };
    QCOMPARE(zoneOf(QStringLiteral("Минск")), QStringLiteral("Europe/Minsk"));
    QCOMPARE(zoneOf(QStringLiteral("Москва")), QStringLiteral("Europe/Moscow"));
    QCOMPARE(zoneOf(QStringLiteral("Санкт-Петербург")), QStringLiteral("Europe/Moscow"));
    QCOMPARE(zoneOf(QStringLiteral("Владивосток")), QStringLiteral("Asia/Vladivostok"));
    QCOMPARE(zoneOf(QStringLiteral("New York City NY, USA")), QStringLiteral("America/New_York"));
    QCOMPARE(zoneOf(QStringLiteral("Kathmandu")), QStringLiteral("Asia/Kathmandu"));
    // The one place added by hand, on Finland's mainland time.
    QCOMPARE(zoneOf(QStringLiteral("Portom, Finland")), QStringLiteral("Europe/Helsinki"));
    // tzdata renamed Kiev's zone in 2022; whichever name this system's Qt offers.
    const QString kyiv = zoneOf(QStringLiteral("Киев"));
    QVERIFY2(kyiv == QStringLiteral("Europe/Kyiv") || kyiv == QStringLiteral("Europe/Kiev"),
             qPrintable(kyiv));

    // India and Nepal each keep one zone for the whole country.
    int indian = 0;
    for (qsizetype i = 0; i < places.size(); ++i) {
      const QString name = frontend::PlaceName(places[i]);
      const QString zone = zones[i];
      if (name.endsWith(QStringLiteral(", India"))) {
        ++indian;
        QVERIFY2(zone == QStringLiteral("Asia/Kolkata"), qPrintable(name + u' ' + zone));
      }
      if (name.endsWith(QStringLiteral(", Nepal"))) {
        QVERIFY2(zone == QStringLiteral("Asia/Kathmandu"), qPrintable(name + u' ' + zone));
      }
    }
    QVERIFY(indian > 10);
  }

  void everyPlaceHasAZoneNearItsSolarTime() {
    const QStringList places = BuiltInPlaces();
    const QStringList zones = BuiltInZones(places);
    QCOMPARE(places.size(), 6430);
    const QDateTime winter(QDate(2021, 1, 15), QTime(12, 0), Qt::UTC);
    for (qsizetype i = 0; i < places.size(); ++i) {
      const QByteArray id = zones[i].toUtf8();
      QVERIFY2(QTimeZone::isTimeZoneIdAvailable(id), qPrintable(places[i] + u' ' + zones[i]));
      // Civil standard time stays within about two hours of local mean solar
      // time (15 degrees of longitude per hour) everywhere people live; three
      // hours would catch a place paired with another place's zone.
      const auto coordinates = frontend::ParsePlaceValue(places[i].section(u'=', 1));
      if (!coordinates) continue;  // the one line whose latitude is not a number
      const double longitude = frontend::SignedArcMinutes(coordinates->longitude) / 60.0;
      const double offsetHours = QTimeZone(id).standardTimeOffset(winter) / 3600.0;
      const double gap = std::remainder(offsetHours - longitude / 15.0, 24.0);
      QVERIFY2(std::abs(gap) < 3.0, qPrintable(places[i] + u' ' + zones[i]));
    }
  }
};

QTEST_APPLESS_MAIN(PlaceZonesTest)
#include "place_zones_test.moc"
