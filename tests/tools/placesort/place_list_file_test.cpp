// Checks over the committed place list data/coord.dat (Windows-1251).
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <fstream>
#include <iterator>
#include <set>
#include <string>
#include <string_view>
#include <vector>

#include "content/cp1251.h"
#include "tools/placesort/placeorder.h"

namespace velunor {
namespace {

// Place-list names are Windows-1251 bytes.
std::string Cp1251(std::string_view utf8) {
  return content::Cp1251FromUtf8(utf8);
}

std::string ReadPlaceListBytes() {
  std::ifstream in(std::string(VELUNOR_DATA_DIR) + "/coord.dat", std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

// Lines without their CR LF; the test of line ends makes sure the split is
// exact.
std::vector<std::string> SplitAtCrLf(const std::string& bytes) {
  std::vector<std::string> lines;
  std::size_t start = 0;
  for (std::size_t end; (end = bytes.find("\r\n", start)) != std::string::npos; start = end + 2) {
    lines.push_back(bytes.substr(start, end - start));
  }
  return lines;
}

bool IsLatinLetter(std::uint8_t c) {
  return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z');
}
bool IsCyrillicLetter(std::uint8_t c) {
  return c >= 0xC0 || c == 0xA8 || c == 0xB8;
}
bool IsDigit(char c) {
  return c >= '0' && c <= '9';
}

bool HasCyrillic(std::string_view name) {
  return std::any_of(name.begin(), name.end(),
                     [](char c) { return IsCyrillicLetter(static_cast<std::uint8_t>(c)); });
}
bool HasLatin(std::string_view name) {
  return std::any_of(name.begin(), name.end(),
                     [](char c) { return IsLatinLetter(static_cast<std::uint8_t>(c)); });
}

bool IsWellFormedName(std::string_view name) {
  if (name.empty() || name.size() > 34) return false;
  return std::all_of(name.begin(), name.end(), [](char ch) {
    const auto c = static_cast<std::uint8_t>(ch);
    return IsLatinLetter(c) || IsCyrillicLetter(c) ||
           std::string_view(" '()+,-").find(ch) != std::string_view::npos;
  });
}

// "[-]DD,MM" (degree_digits digits of degrees), minutes 00..59, degrees up to
// max_degrees.
bool IsWellFormedAngle(std::string_view text, std::size_t degree_digits, int max_degrees) {
  if (!text.empty() && text.front() == '-') text.remove_prefix(1);
  if (text.size() != degree_digits + 3 || text[degree_digits] != ',') return false;
  for (std::size_t i = 0; i < text.size(); ++i) {
    if (i != degree_digits && !IsDigit(text[i])) return false;
  }
  const int degrees = std::stoi(std::string(text.substr(0, degree_digits)));
  const int minutes = std::stoi(std::string(text.substr(degree_digits + 1)));
  return minutes <= 59 && (degrees < max_degrees || (degrees == max_degrees && minutes == 0));
}

const std::string& Bytes() {
  static const std::string bytes = ReadPlaceListBytes();
  return bytes;
}

const std::vector<std::string>& Lines() {
  static const std::vector<std::string> lines = SplitAtCrLf(Bytes());
  return lines;
}

TEST(PlaceListFile, EveryLineEndsInCrLfAndNoneIsEmpty) {
  const std::string& bytes = Bytes();
  ASSERT_GE(bytes.size(), 2u);
  EXPECT_EQ(bytes.substr(bytes.size() - 2), "\r\n");
  EXPECT_EQ(std::count(bytes.begin(), bytes.end(), '\n'), static_cast<long>(Lines().size()));
  EXPECT_EQ(std::count(bytes.begin(), bytes.end(), '\r'), static_cast<long>(Lines().size()));
  EXPECT_NE(bytes.substr(0, 3), "\xEF\xBB\xBF") << "no byte-order mark";
  for (const std::string& line : Lines()) EXPECT_FALSE(line.empty());
}

TEST(PlaceListFile, EveryLineIsNameEqualsLatitudeTabLongitude) {
  for (const std::string& line : Lines()) {
    const std::size_t equals = line.find('=');
    const std::size_t tab = line.find('\t');
    ASSERT_NE(equals, std::string::npos) << line;
    ASSERT_NE(tab, std::string::npos) << line;
    ASSERT_LT(equals, tab) << line;
    const std::string_view text(line);
    EXPECT_TRUE(IsWellFormedName(text.substr(0, equals))) << line;
    EXPECT_TRUE(IsWellFormedAngle(text.substr(equals + 1, tab - equals - 1), 2, 90)) << line;
    EXPECT_TRUE(IsWellFormedAngle(text.substr(tab + 1), 3, 180)) << line;
  }
}

TEST(PlaceListFile, NamesAreUniqueWithoutRegardToCase) {
  std::set<std::string> folded;
  for (const std::string& line : Lines()) {
    std::string name(PlaceLineName(line));
    for (char& c : name) {
      const auto u = static_cast<std::uint8_t>(c);
      if (u >= 'A' && u <= 'Z') c = static_cast<char>(u + 32);
      if (u >= 0xC0 && u <= 0xDF) c = static_cast<char>(u + 32);
      if (u == 0xA8) c = static_cast<char>(0xB8);
    }
    EXPECT_TRUE(folded.insert(name).second) << line;
  }
}

TEST(PlaceListFile, LatinRunThenCyrillicRunEachStrictlySorted) {
  const std::size_t cyrillic = static_cast<std::size_t>(
      std::find_if(Lines().begin(), Lines().end(),
                   [](const std::string& line) { return HasCyrillic(PlaceLineName(line)); }) -
      Lines().begin());
  EXPECT_EQ(cyrillic, 4484u);
  EXPECT_EQ(Lines().size() - cyrillic, 1946u);
  for (std::size_t i = 0; i < Lines().size(); ++i) {
    const std::string_view name = PlaceLineName(Lines()[i]);
    if (i < cyrillic) {
      EXPECT_FALSE(HasCyrillic(name)) << Lines()[i];
    } else {
      EXPECT_TRUE(HasCyrillic(name) && !HasLatin(name)) << Lines()[i];
    }
    if (i > 0 && i != cyrillic) {
      const std::string_view previous = PlaceLineName(Lines()[i - 1]);
      EXPECT_TRUE(PlaceNameLess(previous, name)) << previous << " before " << name;
      EXPECT_FALSE(PlaceNamesEquivalent(previous, name)) << previous << " / " << name;
    }
  }
}

// The rows the window's tests rely on, and the names of the documented order.
TEST(PlaceListFile, HoldsTheTellingRowsAndNames) {
  ASSERT_GE(Lines().size(), 2u);
  EXPECT_EQ(Lines()[0], "Aachen, Germany=50,45\t006,10");  // the drop-down skips it
  EXPECT_EQ(PlaceLineName(Lines()[1]), "Aalborg, Denmark");
  const std::set<std::string> all(Lines().begin(), Lines().end());
  for (const std::string& row :
       {std::string("Aberayron, Wales=52,12\t-004,15"), std::string("Buenos Aires=-34,36\t-058,27"),
        std::string("Kito=-00,10\t-078,48"), std::string("Accra=05,33\t-000,13"),
        Cp1251("Минск=53,54\t027,34")}) {
    EXPECT_EQ(all.count(row), 1u) << row;
  }
  std::set<std::string> names;
  for (const std::string& line : Lines()) names.emplace(PlaceLineName(line));
  for (const std::string& name :
       {std::string("Fuji, Shizuoka"), std::string("Fuji+yoshida, Yamanashi"),
        std::string("Newcastle+on+Tyne, England"), std::string("Kingaroy QLD, Australia"),
        std::string("King's Lynn, England"), std::string("Portom, Finland"),
        std::string("Porto-Novo"), std::string("Port-o-Prens"), Cp1251("Москва"), Cp1251("Киев")}) {
    EXPECT_EQ(names.count(name), 1u) << name;
  }
}

}  // namespace
}  // namespace velunor
