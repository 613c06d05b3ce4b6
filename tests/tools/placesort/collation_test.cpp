#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "content/cp1251.h"
#include "tools/placesort/placeorder.h"

namespace velunor {
namespace {

// Place-list names are Windows-1251 bytes.
std::string Cp1251(std::string_view utf8) {
  return content::Cp1251FromUtf8(utf8);
}

// Each name must sort strictly before the next, in both directions of the
// comparison.
void ExpectStrictlyAscending(const std::vector<std::string>& names) {
  for (std::size_t i = 1; i < names.size(); ++i) {
    EXPECT_TRUE(PlaceNameLess(names[i - 1], names[i])) << names[i - 1] << " < " << names[i];
    EXPECT_FALSE(PlaceNameLess(names[i], names[i - 1])) << names[i] << " !< " << names[i - 1];
  }
}

TEST(PlaceOrder, DocumentedExamples) {
  ExpectStrictlyAscending({"Fuji, Shizuoka", "Fuji+yoshida, Yamanashi"});
  ExpectStrictlyAscending({"Kingaroy QLD, Australia", "King's Lynn, England"});
  ExpectStrictlyAscending({"Portom, Finland", "Porto-Novo", "Port-o-Prens"});
}

TEST(PlaceOrder, CharacterClassesRankBlankParenthesesCommaPlusDigitsLatinCyrillic) {
  ExpectStrictlyAscending({"a", "a b", "a(b", "a)b", "a,b", "a+b", "a0b", "a9b", "aab", "azb",
                           Cp1251("aаb"), Cp1251("aяb")});
  // Whole names: Latin before Cyrillic whatever the letters.
  ExpectStrictlyAscending({"Zwolle, Netherlands", Cp1251("Абаза"), Cp1251("Яя")});
}

TEST(PlaceOrder, LetterCaseIsIgnored) {
  EXPECT_TRUE(PlaceNamesEquivalent("AACHEN, GERMANY", "aachen, germany"));
  EXPECT_TRUE(PlaceNamesEquivalent(Cp1251("МИНСК"), Cp1251("минск")));
  // Case never outweighs a difference in letters.
  ExpectStrictlyAscending({"abc", "ABD", "abe"});
  ExpectStrictlyAscending({Cp1251("Киев"), Cp1251("КИРОВ"), Cp1251("киров, б")});
}

TEST(PlaceOrder, HyphenAndApostropheAreIgnored) {
  EXPECT_TRUE(PlaceNamesEquivalent("Porto-Novo", "PortoNovo"));
  EXPECT_TRUE(PlaceNamesEquivalent("King's Lynn", "Kings Lynn"));
  EXPECT_TRUE(PlaceNamesEquivalent("-'", ""));
  // Skipped, not weighted: the letters after the hyphen decide.
  ExpectStrictlyAscending({"Saint-Aaron", "Saintb", "Saint-C"});
}

TEST(PlaceOrder, CyrillicFollowsTheAlphabetWithYoAsYe) {
  ExpectStrictlyAscending({Cp1251("Абакан"), Cp1251("Бобруйск"), Cp1251("Ейск"), Cp1251("Жодино"),
                           Cp1251("Йошкар-Ола"), Cp1251("Эмба"), Cp1251("Юрга"), Cp1251("Якутск")});
  EXPECT_TRUE(PlaceNamesEquivalent(Cp1251("Орёл"), Cp1251("Орел")));
  ExpectStrictlyAscending({Cp1251("Орел"), Cp1251("Орёл"), Cp1251("Орж")});
}

TEST(PlaceOrder, ShorterNameSortsBeforeItsExtension) {
  ExpectStrictlyAscending({"Fuji", "Fuji, Shizuoka"});
  ExpectStrictlyAscending({"", "A"});
}

// Names equal under the ignoring rules still get one fixed order, so that
// sorting is deterministic: hyphen and apostrophe lowest, then "ё" after
// "е", then upper case before lower case.
TEST(PlaceOrder, EquivalentNamesHaveADeterministicOrder) {
  ExpectStrictlyAscending({"Port-o", "Porto"});
  ExpectStrictlyAscending({"King's", "King-s", "Kings"});
  ExpectStrictlyAscending({"ABC", "Abc", "abc"});
  ExpectStrictlyAscending({Cp1251("ЁЛКА"), Cp1251("ёлка")});
  EXPECT_EQ(ComparePlaceNames("Minsk", "Minsk"), 0);
  EXPECT_NE(ComparePlaceNames("Minsk", "minsk"), 0);

  std::vector<std::string> forward = {"porto", "Port-o", "PORTO", "Porto", "Port'o"};
  std::vector<std::string> backward(forward.rbegin(), forward.rend());
  std::sort(forward.begin(), forward.end(), PlaceNameLess);
  std::sort(backward.begin(), backward.end(), PlaceNameLess);
  EXPECT_EQ(forward, backward);
}

TEST(PlaceOrder, LineNameIsTheTextBeforeTheFirstEqualsSign) {
  EXPECT_EQ(PlaceLineName(Cp1251("Минск=53,54\t027,34")), Cp1251("Минск"));
  EXPECT_EQ(PlaceLineName("a=b=c"), "a");
  EXPECT_EQ(PlaceLineName("no value"), "no value");
  EXPECT_EQ(PlaceLineName("=x"), "");
}

}  // namespace
}  // namespace velunor
