// The word measure behind the repetition report: what counts as one content
// word, and which words are a plant's own name.
#include <gtest/gtest.h>

#include <set>
#include <string>
#include <vector>

#include "tools/prose-overlap/content_words.h"
#include "tools/prose-overlap/plant_names.h"

namespace prose_overlap {
namespace {

using Words = std::vector<std::string>;

TEST(ContentWords, FoldsCaseAndYoAndSplitsAtEveryNonLetter) {
  EXPECT_EQ(ContentWords("Чёрные ЧЕРЁМУХОВЫЕ холода, одолень-трава!"),
            (Words{"черные", "черемуховые", "холода", "одолень", "трава"}));
}

TEST(ContentWords, DropsFunctionAndFramingWords) {
  EXPECT_EQ(ContentWords("Рождённые в эту пору люди и сами не знают, что их ждёт."),
            (Words{"знают", "ждет"}));
  EXPECT_EQ(ContentWords("Родившемуся под этим знаком дерево даст силу"), (Words{"даст", "силу"}));
}

TEST(Stem, JoinsInflectedFormsOfOneWord) {
  EXPECT_EQ(Stem("черемуховые"), Stem("черемуховыми"));
  EXPECT_EQ(Stem("воду"), Stem("воде"));
  EXPECT_EQ(Stem("пчелы"), Stem("пчел"));
  EXPECT_EQ(Stem("дуб"), "дуб");  // too short to lose a letter
  EXPECT_NE(Stem("ночь"), Stem("нож"));
}

TEST(ContentStems, LeavesOutExcludedWords) {
  const auto isAlder = [](std::string_view word) { return NamesPlant(1, word); };
  EXPECT_EQ(ContentStems("Ольховые сваи в воде, ольшаник у воды", isAlder),
            (std::set<std::string>{"сва", "вод"}));
}

TEST(PlantNames, SignsMapToPlantsAndParts) {
  EXPECT_EQ(PlantOfSign(1), 1);
  EXPECT_EQ(PlantOfSign(4), 1);
  EXPECT_EQ(PlantOfSign(5), 2);
  EXPECT_EQ(PlantOfSign(108), 27);
  EXPECT_EQ(PartOfSign(81), 0);
  EXPECT_EQ(PartOfSign(108), 3);
  EXPECT_EQ(PlantTitle(1), "ольха");
  EXPECT_EQ(PlantTitle(21), "дуб");
  EXPECT_EQ(PlantTitle(27), "тополь");
}

TEST(PlantNames, ShortNamesMatchTheirFormsOnly) {
  EXPECT_TRUE(NamesPlant(12, "ели"));
  EXPECT_TRUE(NamesPlant(12, "еловым"));
  EXPECT_FALSE(NamesPlant(12, "елейный"));
  EXPECT_TRUE(NamesPlant(22, "вязовые"));
  EXPECT_FALSE(NamesPlant(22, "вязкая"));
  EXPECT_TRUE(NamesPlant(5, "вербу"));  // the willow's other name
  EXPECT_FALSE(NamesPlant(7, "липла"));
  EXPECT_TRUE(NamesPlant(13, "орешник"));
  EXPECT_FALSE(NamesPlant(1, "береза"));  // another plant's name is an ordinary word
  EXPECT_FALSE(NamesPlant(0, "ольха"));
  EXPECT_FALSE(NamesPlant(28, "ольха"));
}

}  // namespace
}  // namespace prose_overlap
