#include "frontend/places/zone_names.h"

#include <gtest/gtest.h>

#include <QSet>

#include "frontend/resources/resources.h"

namespace frontend {
namespace {

TEST(ZoneNames, ReadsLinesAndSkipsBrokenOnes) {
  const ZoneNames names =
      ReadZoneNames(QByteArrayLiteral("Europe/Minsk\tМинск\n"
                                      "America/New_York\tНью-Йорк\r\n"
                                      "no tab here\n"
                                      "\tБез пояса\n"
                                      "Asia/Empty\t\n"
                                      "Europe/Moscow\tМосква"));
  EXPECT_EQ(names.size(), 3);
  EXPECT_EQ(names.value(QStringLiteral("America/New_York")), QStringLiteral("Нью-Йорк"));
  EXPECT_EQ(names.value(QStringLiteral("Europe/Moscow")), QStringLiteral("Москва"));
}

TEST(ZoneNames, TitleNamesTheZoneInRussianAndKeepsItsDatabaseName) {
  const ZoneNames names{{QStringLiteral("Europe/Minsk"), QStringLiteral("Минск")}};
  const struct {
    const char* zone;
    const char* title;
  } cases[] = {
      {"Europe/Minsk", "Минск (Europe/Minsk)"},
      {"Asia/Kolkata", "Asia/Kolkata"},  // no Russian name: the database name alone
      {"", ""},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(ZoneTitle(QString::fromUtf8(c.zone), names), QString::fromUtf8(c.title)) << c.zone;
  }
}

// Every zone a built-in place can take is named in Russian, in the letters the
// interface writes ("е" for "ё").
TEST(ZoneNames, EveryZoneOfThePlaceListHasARussianName) {
  const ZoneNames names =
      ReadZoneNames(LoadResource(QStringLiteral("ZONE_NAMES"), QStringLiteral("ZONE_NAMES")));
  QSet<QString> zones;
  for (const QByteArray& line :
       LoadResource(QStringLiteral("PLACE_ZONES"), QStringLiteral("PLACE_ZONES")).split('\n')) {
    if (!line.isEmpty()) zones.insert(QString::fromUtf8(line).section(u'\t', 1));
  }
  EXPECT_GT(zones.size(), 300);
  for (const QString& zone : zones) {
    const QString name = names.value(zone);
    EXPECT_FALSE(name.isEmpty()) << zone.toStdString();
    EXPECT_FALSE(name.contains(u'ё')) << zone.toStdString();
  }
}

}  // namespace
}  // namespace frontend
