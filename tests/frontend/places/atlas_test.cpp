// The atlas: reading its built-in form, ranking the matches, and real
// look-ups in the atlas the program carries.
#include "frontend/places/atlas.h"

#include "frontend/places/builtin_atlas.h"

#include <gtest/gtest.h>

#include <QFile>

namespace frontend {
namespace {

// A small atlas in the built-in form. Places in population order: name,
// Latin name, country, region, latitude and longitude in arc minutes, zone,
// population, alternate names.
QByteArray Compressed(const QString& places) {
  const QString header = QStringLiteral(
      "velunor-atlas 1\nzones\tEurope/Moscow\tEurope/Minsk\tAmerica/Chicago\n"
      "countries\tРоссия\tБеларусь\tСША\nregions\tТверская область\tМинская область\n");
  return qCompress((header + places).toUtf8());
}

const QString kPlaces = QStringLiteral(
    "Тверь\tTver\t1\t1\t3412\t2153\t1\t420065\tKalinin,Калинин,Twer\n"
    "Калинино\tKalinino\t1\t0\t3300\t2200\t1\t9000\t\n"
    "Новая Тверь\tNovaya Tver\t1\t1\t3400\t2100\t1\t800\t\n"
    "Раков\tRakaw\t2\t2\t3238\t1623\t2\t6300\tRakov,Ракаў\n"
    "Раков\tRakov\t1\t0\t3000\t3000\t1\t600\t\n"
    "Kalinin\tKalinin\t3\t0\t2500\t-5000\t3\t500\t\n");

std::vector<QString> Names(const Atlas& atlas, const QList<AtlasMatch>& found) {
  std::vector<QString> names;
  for (const AtlasMatch& match : found) {
    const AtlasPlace place = atlas.Place(match.place);
    names.push_back(match.matchedName.isEmpty()
                        ? place.name
                        : match.matchedName + QStringLiteral(" → ") + place.name);
  }
  return names;
}

class SmallAtlasTest : public ::testing::Test {
 protected:
  SmallAtlasTest() : atlas_(*Atlas::FromCompressed(Compressed(kPlaces))) {}
  std::vector<QString> Find(const char* typed, qsizetype limit = 10) const {
    return Names(atlas_, atlas_.Find(QString::fromUtf8(typed), limit));
  }
  Atlas atlas_;
};

TEST_F(SmallAtlasTest, WholeNameFirstThenByPopulationEachPlaceOnce) {
  // Тверь matches by two alternate names and comes once, under the one in the
  // alphabet typed;
  // the American Kalinin is the only exact match besides it.
  EXPECT_EQ(Find("калинин"),
            (std::vector<QString>{u"Калинин → Тверь"_qs, u"Kalinin"_qs, u"Калинино"_qs}));
  EXPECT_EQ(Find("твер"), (std::vector<QString>{u"Тверь"_qs, u"Новая Тверь"_qs}));
  EXPECT_EQ(Find("kalinin", 2), (std::vector<QString>{u"Kalinin → Тверь"_qs, u"Kalinin"_qs}));
}

TEST_F(SmallAtlasTest, TextAfterACommaChoosesByRegionOrCountry) {
  EXPECT_EQ(Find("Раков"), (std::vector<QString>{u"Раков"_qs, u"Раков"_qs}));
  EXPECT_EQ(atlas_.Place(atlas_.Find(u"Раков, Беларусь"_qs, 10).front().place).zone,
            u"Europe/Minsk"_qs);
  EXPECT_EQ(Find("раков, минская").size(), 1u);
  EXPECT_EQ(Find("раков, россия").size(), 1u);
  EXPECT_TRUE(Find("раков, сша").empty());
}

TEST_F(SmallAtlasTest, NothingForBlankOrUnknownTextAndNearestNamesInstead) {
  EXPECT_TRUE(Find("").empty());
  EXPECT_TRUE(Find(" - ").empty());
  EXPECT_TRUE(Find("тверьск").empty());
  EXPECT_EQ(Names(atlas_, atlas_.Nearest(u"тверьск"_qs, 5)),
            (std::vector<QString>{u"Тверь"_qs, u"Новая Тверь"_qs}));
}

TEST_F(SmallAtlasTest, SignsOfTheCoordinatesAreKept) {
  const AtlasPlace kalinin = atlas_.Place(atlas_.Find(u"Kalinin, сша"_qs, 1).front().place);
  EXPECT_EQ(kalinin.latitudeMinutes, 2500);
  EXPECT_EQ(kalinin.longitudeMinutes, -5000);
  EXPECT_EQ(kalinin.zone, u"America/Chicago"_qs);
  EXPECT_EQ(kalinin.country, u"США"_qs);
  EXPECT_EQ(kalinin.region, QString());
}

TEST(AtlasReading, DamagedDataIsRefused) {
  const QString good = QStringLiteral("Тверь\tTver\t1\t1\t3412\t2153\t1\t420065\t\n");
  ASSERT_TRUE(Atlas::FromCompressed(Compressed(good)));
  EXPECT_FALSE(Atlas::FromCompressed(good.toUtf8())) << "not compressed";
  EXPECT_FALSE(Atlas::FromCompressed(qCompress("velunor-atlas 2\nzones\ncountries\nregions\n")));
  for (const char* line : {"Тверь\tTver\t1\t1\t3412\t2153\t1\t420065\n",    // a field short
                           "Тверь\tTver\t4\t1\t3412\t2153\t1\t420065\t\n",  // no country 4
                           "Тверь\tTver\t1\t1\t5401\t2153\t1\t420065\t\n",  // beyond the pole
                           "Тверь\tTver\t1\t1\t3412\t-10801\t1\t1\t\n",     // beyond 180° W
                           "Тверь\tTver\t1\t1\t3412\t2153\t9\t420065\t\n",  // no zone 9
                           "Тверь\tTver\t1\t1\t3412\t2153\t1\t-1\t\n"}) {   // no population
    EXPECT_FALSE(Atlas::FromCompressed(Compressed(QString::fromUtf8(line)))) << line;
  }
}

TEST(BuiltinAtlas, IsBuiltInWhole) {
  StartReadingBuiltinAtlas();
  const Atlas* atlas = BuiltinAtlas();
  ASSERT_NE(atlas, nullptr);
  EXPECT_EQ(atlas->size(), 199568);
  EXPECT_EQ(BuiltinAtlas(), atlas) << "read once";
}

TEST(AtlasReading, StopsWhenAbandoned) {
  const std::atomic<bool> abandon{true};
  EXPECT_FALSE(Atlas::FromCompressed(Compressed(kPlaces), &abandon));
}

// The atlas built from GeoNames, as the program carries it.
class RealAtlasTest : public ::testing::Test {
 protected:
  static void SetUpTestSuite() {
    QFile file(QStringLiteral(VELUNOR_DATA_DIR "/atlas.z"));
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    atlas_ = new std::optional<Atlas>(Atlas::FromCompressed(file.readAll()));
    ASSERT_TRUE(*atlas_);
  }
  static void TearDownTestSuite() { delete atlas_; }
  static inline std::optional<Atlas>* atlas_ = nullptr;
};

struct Lookup {
  const char* typed;
  const char* matched;  // "" when the place's own name matched
  const char* name;
  const char* country;
  int latitudeMinutes, longitudeMinutes;
  const char* zone;
};

class RealLookupTest : public RealAtlasTest, public ::testing::WithParamInterface<Lookup> {};

TEST_P(RealLookupTest, BestMatchIsThePlaceMeant) {
  const Lookup& want = GetParam();
  const QList<AtlasMatch> found = (*atlas_)->Find(QString::fromUtf8(want.typed), 5);
  ASSERT_FALSE(found.empty());
  const AtlasPlace place = (*atlas_)->Place(found.front().place);
  EXPECT_EQ(found.front().matchedName, QString::fromUtf8(want.matched));
  EXPECT_EQ(place.name, QString::fromUtf8(want.name));
  EXPECT_EQ(place.country, QString::fromUtf8(want.country));
  EXPECT_EQ(place.latitudeMinutes, want.latitudeMinutes);
  EXPECT_EQ(place.longitudeMinutes, want.longitudeMinutes);
  EXPECT_EQ(place.zone, QString::fromUtf8(want.zone));
}

// Coordinates: GeoNames' decimal degrees to the nearest arc minute, e.g.
// Saint Petersburg 59.93863 N 30.31413 E = 59°56′ N 30°19′ E = 3596, 1819;
// London 51.50853 N 0.12574 W = 51°31′ N 0°08′ W = 3091, −8; Buenos Aires
// 34.61315 S 58.37723 W = 34°37′ S 58°23′ W = −2077, −3503.
INSTANTIATE_TEST_SUITE_P(
    Table, RealLookupTest,
    ::testing::Values(
        Lookup{"Ленинград", "Ленинград", "Санкт-Петербург", "Россия", 3596, 1819, "Europe/Moscow"},
        Lookup{"Свердловск", "Свердловск", "Екатеринбург", "Россия", 3411, 3637,
               "Asia/Yekaterinburg"},
        Lookup{"алма-ата", "Алма-Ата", "Алматы", "Казахстан", 2595, 4615, "Asia/Almaty"},
        Lookup{"Раков, Беларусь", "", "Раков", "Беларусь", 3238, 1623, "Europe/Minsk"},
        Lookup{"лондон", "", "Лондон", "Британия", 3091, -8, "Europe/London"},
        Lookup{"vitebsk", "Vitebsk", "Витебск", "Беларусь", 3311, 1812, "Europe/Minsk"},
        Lookup{"buenos aires", "Buenos Aires", "Буэнос-Айрес", "Аргентина", -2077, -3503,
               "America/Argentina/Buenos_Aires"}));

}  // namespace
}  // namespace frontend
