// `--place` names outside the list, looked up in the atlas, and `--find-place`.
#include <gtest/gtest.h>

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

#include "frontend/command_line/atlas_place_option.h"
#include "frontend/command_line/command_line.h"
#include "frontend/resources/builtin_data.h"

namespace frontend {
namespace {

// Two places called Раков, most populous first; London a few minutes west of
// Greenwich. Fields as the built-in atlas has them (tools/atlas/README).
const Atlas& SmallAtlas() {
  static const Atlas atlas = *Atlas::FromCompressed(qCompress(
      QStringLiteral("velunor-atlas 1\nzones\tEurope/London\tEurope/Minsk\tEurope/Moscow\n"
                     "countries\tБритания\tБеларусь\tРоссия\nregions\tАнглия\tМинская Область\n"
                     "Лондон\tLondon\t1\t1\t3091\t-8\t1\t8961989\tLondres,Londinium\n"
                     "Раков\tRakaw\t2\t2\t3238\t1623\t2\t6300\tRakov,Ракаў\n"
                     "Раков\tRakov\t3\t0\t3000\t3000\t3\t600\t\n")
          .toUtf8()));
  return atlas;
}

class AtlasPlaceOptionTest : public ::testing::Test {
 protected:
  ParsedCommandLine Parse(const QString& place) {
    return ParseCommandLine(
        {QStringLiteral("--text"), QStringLiteral("--date"), QStringLiteral("1990-05-17"),
         QStringLiteral("--time"), QStringLiteral("14:30"), QStringLiteral("--place"), place},
        places_, zones_, [] { return &SmallAtlas(); });
  }
  const QStringList places_ = LoadBuiltInPlaceList();
  const QStringList zones_ = LoadBuiltInPlaceZones(places_);
};

TEST_F(AtlasPlaceOptionTest, AnyNameOfAPlaceGivesItsCoordinatesAndZone) {
  const ParsedCommandLine parsed = Parse(QStringLiteral("londinium"));
  ASSERT_TRUE(parsed.request) << parsed.error.toStdString();
  const BirthData& birth = parsed.request->birth;
  EXPECT_EQ(birth.place, QStringLiteral("Лондон"));
  EXPECT_EQ(birth.latitude.degrees, 51);
  EXPECT_EQ(birth.latitude.minutes, 31);
  EXPECT_EQ(birth.zoneName, QStringLiteral("Europe/London"));
  EXPECT_TRUE(parsed.notice.isEmpty());
}

TEST_F(AtlasPlaceOptionTest, OfSeveralTheBestIsTakenAndTheOthersCounted) {
  const ParsedCommandLine parsed = Parse(QStringLiteral("Раков"));
  ASSERT_TRUE(parsed.request) << parsed.error.toStdString();
  EXPECT_EQ(parsed.request->birth.zoneName, QStringLiteral("Europe/Minsk"));
  EXPECT_TRUE(parsed.notice.contains(QStringLiteral("Раков, Минская Область, Беларусь")));
  EXPECT_TRUE(parsed.notice.contains(QStringLiteral("еще 1 мест")));

  const ParsedCommandLine chosen = Parse(QStringLiteral("Раков, Россия"));
  ASSERT_TRUE(chosen.request) << chosen.error.toStdString();
  EXPECT_EQ(chosen.request->birth.zoneName, QStringLiteral("Europe/Moscow"));
  EXPECT_EQ(chosen.request->birth.latitude.degrees, 50);
  EXPECT_TRUE(chosen.notice.isEmpty());
}

TEST_F(AtlasPlaceOptionTest, AnUnknownNameIsRefusedWithTheNearestNames) {
  // Only the beginning of a name is not a name: it is suggested instead.
  for (const char* typed : {"Ракович", "Рако"}) {
    const ParsedCommandLine parsed = Parse(QString::fromUtf8(typed));
    EXPECT_FALSE(parsed.request) << typed;
    EXPECT_TRUE(parsed.error.contains(QString::fromUtf8(typed))) << parsed.error.toStdString();
    EXPECT_TRUE(parsed.error.contains(QStringLiteral("Раков (Минская Область, Беларусь)")))
        << parsed.error.toStdString();
  }
}

TEST(FindPlace, ListsMatchesWithSignedCoordinatesBestFirst) {
  const Atlas& atlas = SmallAtlas();
  const QList<AtlasMatch> found = atlas.Find(QStringLiteral("ра"), 10);
  const QString text = FoundPlacesText(atlas, found);
  EXPECT_TRUE(
      text.startsWith(QStringLiteral("Раков, Минская Область, Беларусь\tширота 53:58\t"
                                     "долгота 27:03\tEurope/Minsk\t6300")))
      << text.toStdString();
  const QJsonArray json =
      QJsonDocument::fromJson(FoundPlacesJson(atlas, atlas.Find(QStringLiteral("londres"), 10)))
          .array();
  ASSERT_EQ(json.size(), 1);
  const QJsonObject london = json.first().toObject();
  EXPECT_EQ(london.value(QStringLiteral("matchedName")).toString(), QStringLiteral("Londres"));
  EXPECT_EQ(london.value(QStringLiteral("longitude")).toString(), QStringLiteral("-0:08"));
  EXPECT_EQ(london.value(QStringLiteral("population")).toInteger(), 8961989);
}

}  // namespace
}  // namespace frontend
