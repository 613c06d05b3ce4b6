#include "tools/placesort/placeorder.h"

#include <array>
#include <cstdint>

namespace velunor {
namespace {

// Windows-1251 lower-case Cyrillic letters in alphabet order (Russian with the
// Ukrainian, Belarusian and South Slavic letters in their usual places).
// "ё" is absent: it shares the weight of "е".
constexpr std::uint8_t kCyrillicOrder[] = {
    0xE0, 0xE1, 0xE2, 0xE3, 0xB4, 0xE4, 0x90, 0x83, 0xE5, 0xBA, 0xE6, 0xE7, 0xBE, 0xE8, 0xB3, 0xBF,
    0xE9, 0xBC, 0xEA, 0xEB, 0x9A, 0xEC, 0xED, 0x9C, 0xEE, 0xEF, 0xF0, 0xF1, 0xF2, 0x9E, 0x9D, 0xF3,
    0xA2, 0xF4, 0xF5, 0xF6, 0xF7, 0x9F, 0xF8, 0xF9, 0xFA, 0xFB, 0xFC, 0xFD, 0xFE, 0xFF};

constexpr std::uint8_t kCyrillicSmallE = 0xE5;
constexpr std::uint8_t kCyrillicSmallIo = 0xB8;

// Weight groups; within a group the offset keeps the byte order.
constexpr int kIgnored = 0;
constexpr int kBlank = 1;
constexpr int kOpenParen = 2;
constexpr int kCloseParen = 3;
constexpr int kComma = 4;
constexpr int kPlus = 5;
constexpr int kOtherSymbolBase = 10;  // + byte value: 10 .. 265
constexpr int kDigitBase = 300;       // + digit value
constexpr int kLatinBase = 400;       // + letter index 0 .. 25
constexpr int kCyrillicBase = 500;    // + alphabet index

struct WeightTable {
  std::array<std::uint8_t, 256> folded{};  // byte after case folding
  std::array<int, 256> primary{};          // weight of a folded byte
};

std::uint8_t FoldCase(std::uint8_t c) {
  if (c >= 'A' && c <= 'Z') return static_cast<std::uint8_t>(c + ('a' - 'A'));
  if (c >= 0xC0 && c <= 0xDF) return static_cast<std::uint8_t>(c + 0x20);
  switch (c) {
    case 0x80:
      return 0x90;  // Ђ
    case 0x81:
      return 0x83;  // Ѓ
    case 0x8A:
      return 0x9A;  // Љ
    case 0x8C:
      return 0x9C;  // Њ
    case 0x8D:
      return 0x9D;  // Ќ
    case 0x8E:
      return 0x9E;  // Ћ
    case 0x8F:
      return 0x9F;  // Џ
    case 0xA1:
      return 0xA2;  // Ў
    case 0xA3:
      return 0xBC;  // Ј
    case 0xA5:
      return 0xB4;  // Ґ
    case 0xA8:
      return 0xB8;  // Ё
    case 0xAA:
      return 0xBA;  // Є
    case 0xAF:
      return 0xBF;  // Ї
    case 0xB2:
      return 0xB3;  // І
    case 0xBD:
      return 0xBE;  // Ѕ
    default:
      return c;
  }
}

WeightTable BuildWeightTable() {
  WeightTable table;
  for (int c = 0; c < 256; ++c) {
    table.folded[c] = FoldCase(static_cast<std::uint8_t>(c));
    table.primary[c] = kOtherSymbolBase + c;
  }
  table.primary['-'] = kIgnored;
  table.primary['\''] = kIgnored;
  table.primary[' '] = kBlank;
  table.primary['('] = kOpenParen;
  table.primary[')'] = kCloseParen;
  table.primary[','] = kComma;
  table.primary['+'] = kPlus;
  for (int d = 0; d < 10; ++d) table.primary['0' + d] = kDigitBase + d;
  for (int l = 0; l < 26; ++l) table.primary['a' + l] = kLatinBase + l;
  int index = 0;
  for (const std::uint8_t letter : kCyrillicOrder) table.primary[letter] = kCyrillicBase + index++;
  table.primary[kCyrillicSmallIo] = table.primary[kCyrillicSmallE];
  return table;
}

const WeightTable& Weights() {
  static const WeightTable table = BuildWeightTable();
  return table;
}

int PrimaryWeight(std::uint8_t c) {
  const WeightTable& w = Weights();
  return w.primary[w.folded[c]];
}

// Weight for breaking primary ties: every byte counts, hyphen and apostrophe
// lowest, "ё" just after "е".
int SecondaryWeight(std::uint8_t c) {
  const std::uint8_t folded = Weights().folded[c];
  if (folded == '\'') return 1;
  if (folded == '-') return 2;
  return 10 + 2 * PrimaryWeight(c) + (folded == kCyrillicSmallIo ? 1 : 0);
}

int Sign(int value) {
  return (value > 0) - (value < 0);
}

int ComparePrimary(std::string_view a, std::string_view b) {
  std::size_t i = 0;
  std::size_t j = 0;
  while (true) {
    while (i < a.size() && PrimaryWeight(static_cast<std::uint8_t>(a[i])) == kIgnored) ++i;
    while (j < b.size() && PrimaryWeight(static_cast<std::uint8_t>(b[j])) == kIgnored) ++j;
    if (i == a.size() || j == b.size()) {
      return Sign(static_cast<int>(i == a.size() ? 0 : 1) -
                  static_cast<int>(j == b.size() ? 0 : 1));
    }
    const int wa = PrimaryWeight(static_cast<std::uint8_t>(a[i]));
    const int wb = PrimaryWeight(static_cast<std::uint8_t>(b[j]));
    if (wa != wb) return Sign(wa - wb);
    ++i;
    ++j;
  }
}

int CompareSecondary(std::string_view a, std::string_view b) {
  const std::size_t n = a.size() < b.size() ? a.size() : b.size();
  for (std::size_t k = 0; k < n; ++k) {
    const int wa = SecondaryWeight(static_cast<std::uint8_t>(a[k]));
    const int wb = SecondaryWeight(static_cast<std::uint8_t>(b[k]));
    if (wa != wb) return Sign(wa - wb);
  }
  return Sign(static_cast<int>(a.size() > b.size()) - static_cast<int>(a.size() < b.size()));
}

int CompareBytes(std::string_view a, std::string_view b) {
  // std::string_view compares char, which may be signed; compare as unsigned.
  const std::size_t n = a.size() < b.size() ? a.size() : b.size();
  for (std::size_t k = 0; k < n; ++k) {
    const auto ca = static_cast<std::uint8_t>(a[k]);
    const auto cb = static_cast<std::uint8_t>(b[k]);
    if (ca != cb) return ca < cb ? -1 : 1;
  }
  return Sign(static_cast<int>(a.size() > b.size()) - static_cast<int>(a.size() < b.size()));
}

}  // namespace

int ComparePlaceNames(std::string_view a, std::string_view b) {
  if (const int primary = ComparePrimary(a, b); primary != 0) return primary;
  if (const int secondary = CompareSecondary(a, b); secondary != 0) return secondary;
  return CompareBytes(a, b);
}

bool PlaceNameLess(std::string_view a, std::string_view b) {
  return ComparePlaceNames(a, b) < 0;
}

bool PlaceNamesEquivalent(std::string_view a, std::string_view b) {
  return ComparePrimary(a, b) == 0;
}

std::string_view PlaceLineName(std::string_view line) {
  return line.substr(0, line.find('='));
}

}  // namespace velunor
