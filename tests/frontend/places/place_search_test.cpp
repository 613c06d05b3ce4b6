// Finding places by any word of the name, against the built-in list.
#include "frontend/places/place_search.h"

#include <gtest/gtest.h>

#include "frontend/places/place_list.h"
#include "frontend/resources/resources.h"

namespace frontend {
namespace {

class PlaceSearchTest : public ::testing::Test {
 protected:
  static void SetUpTestSuite() {
    for (const QString& line :
         ReadPlaceList(LoadResource(QStringLiteral("COORD_DAT"), QStringLiteral("COORD_DAT")))) {
      names_->append(PlaceName(line));
    }
    search_ = new PlaceSearch(*names_);
  }
  static void TearDownTestSuite() {
    delete search_;
    delete names_;
  }

  static QStringList Found(const char* typed) {
    QStringList found;
    for (const qsizetype i : search_->Find(QString::fromUtf8(typed))) found.append((*names_)[i]);
    return found;
  }

  static inline QStringList* names_ = new QStringList;
  static inline PlaceSearch* search_ = nullptr;
};

TEST_F(PlaceSearchTest, AnyCaseFindsTheSamePlacesNameBeginningFirst) {
  const QStringList found = Found("моск");
  ASSERT_FALSE(found.isEmpty());
  EXPECT_EQ(found.front(), QStringLiteral("Москва"));
  for (const QString& name : found) {
    EXPECT_TRUE(FoldedForSearch(name).contains(QStringLiteral("моск"))) << name.toStdString();
  }
  EXPECT_EQ(Found("МОСК"), found);
  EXPECT_EQ(Found("  Моск "), found);
}

TEST_F(PlaceSearchTest, YoReadsAsYe) {
  for (const char* typed : {"орёл", "орел", "ОРЕЛ"}) {
    EXPECT_EQ(Found(typed).value(0), QStringLiteral("Орёл")) << typed;
  }
  EXPECT_TRUE(Found("береза").contains(QStringLiteral("Берёза")));
  EXPECT_TRUE(Found("жёлтые").contains(QStringLiteral("Жёлтые Воды")));
}

TEST_F(PlaceSearchTest, LaterWordsMatchOnlyAtTheirStart) {
  const QStringList york = Found("york");
  // "York, England" begins with it, so it comes before New York.
  EXPECT_EQ(york, QStringList(
                      {QStringLiteral("York, England"), QStringLiteral("New York City NY, USA")}));
  EXPECT_TRUE(Found("петербург").contains(QStringLiteral("Санкт-Петербург")));
  EXPECT_TRUE(Found("санкт").contains(QStringLiteral("Санкт-Петербург")));
  EXPECT_TRUE(Found("воды").contains(QStringLiteral("Жёлтые Воды")));
  EXPECT_FALSE(Found("ork").contains(QStringLiteral("New York City NY, USA")));
  EXPECT_TRUE(Found("Qwzx Nowhere").isEmpty());
}

TEST_F(PlaceSearchTest, TheNameItselfComesBeforeLongerOnes) {
  const PlaceSearch search({QStringLiteral("Aa Minsk"), QStringLiteral("Minskaya"),
                            QStringLiteral("Minsk"), QStringLiteral("Zminsk"),
                            QStringLiteral("King's Lynn")});
  EXPECT_EQ(search.Find(QStringLiteral("minsk")), (QList<qsizetype>{2, 1, 0}));
  // An apostrophe does not start a word.
  EXPECT_TRUE(search.Find(QStringLiteral("s lynn")).isEmpty());
  EXPECT_EQ(search.Find(QStringLiteral("lynn")), (QList<qsizetype>{4}));
  EXPECT_EQ(search.Find(QString()).size(), 5);
}

}  // namespace
}  // namespace frontend
