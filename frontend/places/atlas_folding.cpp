#include "frontend/places/atlas_folding.h"

#include <QChar>
#include <array>

namespace frontend {
namespace {

// What a code point becomes: Latin letters or digits, nothing (an apostrophe
// or stress mark inside a word), or a word break.
struct Folding {
  std::string latin;
  bool breaksWord = true;
};

// Russian, Ukrainian and Belarusian letters in the Latin letters a Russian
// speaker would expect (the BGN/PCGN-like forms GeoNames' romanised names
// mostly use): "ж" zh, "х" kh, "ц" ts, "щ" shch; soft and hard signs vanish.
constexpr std::array<std::pair<char16_t, const char*>, 38> kCyrillic{{
    {u'а', "a"},  {u'б', "b"},  {u'в', "v"},    {u'г', "g"}, {u'д', "d"},  {u'е', "e"},
    {u'ё', "e"},  {u'ж', "zh"}, {u'з', "z"},    {u'и', "i"}, {u'й', "y"},  {u'к', "k"},
    {u'л', "l"},  {u'м', "m"},  {u'н', "n"},    {u'о', "o"}, {u'п', "p"},  {u'р', "r"},
    {u'с', "s"},  {u'т', "t"},  {u'у', "u"},    {u'ф', "f"}, {u'х', "kh"}, {u'ц', "ts"},
    {u'ч', "ch"}, {u'ш', "sh"}, {u'щ', "shch"}, {u'ъ', ""},  {u'ы', "y"},  {u'ь', ""},
    {u'э', "e"},  {u'ю', "yu"}, {u'я', "ya"},   {u'і', "i"}, {u'ї', "i"},  {u'є', "e"},
    {u'ў', "u"},  {u'ґ', "g"},
}};

// Latin letters that carry no accent to take off but are written as others.
constexpr std::array<std::pair<char16_t, const char*>, 10> kLatinSpecial{{
    {u'ß', "ss"},
    {u'æ', "ae"},
    {u'œ', "oe"},
    {u'ø', "o"},
    {u'ł', "l"},
    {u'đ', "d"},
    {u'ð', "d"},
    {u'þ', "th"},
    {u'ı', "i"},
    {u'ŋ', "n"},
}};

bool IsApostrophe(char32_t c) {
  return c == U'\'' || c == U'\u2019' || c == U'\u2018' || c == U'\u02BC' || c == U'\u02B9' ||
         c == U'`' || c == U'\u00B4' || c == U'\u0301';
}

Folding FoldCodePoint(char32_t c) {
  if (IsApostrophe(c)) return {"", false};
  const char32_t lower = QChar::toLower(c);
  if (lower < 0x80) {
    if ((lower >= 'a' && lower <= 'z') || (lower >= '0' && lower <= '9')) {
      return {std::string(1, static_cast<char>(lower)), false};
    }
    return {};
  }
  for (const auto& [letter, latin] : kCyrillic) {
    if (letter == lower) return {latin, false};
  }
  for (const auto& [letter, latin] : kLatinSpecial) {
    if (letter == lower) return {latin, false};
  }
  if (QChar::category(lower) == QChar::Mark_NonSpacing) return {"", false};
  if (!QChar::isLetterOrNumber(lower)) return {};
  // An accented Latin letter: the letters of its canonical decomposition.
  std::string latin;
  const QString parts = QChar::decomposition(lower);
  for (const QChar part : parts) {
    const char16_t base = part.toLower().unicode();
    if (base >= 'a' && base <= 'z') latin += static_cast<char>(base);
  }
  return {latin, false};
}

// Every code point of the Latin and Cyrillic blocks, folded once.
constexpr char32_t kTableEnd = 0x0530;
constexpr char32_t kExtendedStart = 0x1E00, kExtendedEnd = 0x1F00;

const Folding& TableFolding(char32_t c) {
  static const auto table = [] {
    std::array<Folding, kTableEnd + (kExtendedEnd - kExtendedStart)> built;
    for (char32_t i = 0; i < kTableEnd; ++i) built[i] = FoldCodePoint(i);
    for (char32_t i = kExtendedStart; i < kExtendedEnd; ++i) {
      built[kTableEnd + i - kExtendedStart] = FoldCodePoint(i);
    }
    return built;
  }();
  return table[c < kTableEnd ? c : kTableEnd + c - kExtendedStart];
}

// Next code point of UTF-8 text; a malformed byte reads as U+FFFD.
char32_t DecodeNext(std::string_view text, std::size_t& position) {
  const auto byte = [&](std::size_t i) { return static_cast<unsigned char>(text[i]); };
  const unsigned char first = byte(position);
  int length = first < 0x80         ? 1
               : (first >> 5) == 6  ? 2
               : (first >> 4) == 14 ? 3
               : (first >> 3) == 30 ? 4
                                    : 0;
  if (length == 0 || position + length > text.size()) {
    ++position;
    return 0xFFFD;
  }
  char32_t c = length == 1 ? first : first & (0xFF >> (length + 1));
  for (int i = 1; i < length; ++i) {
    const unsigned char next = byte(position + i);
    if ((next & 0xC0) != 0x80) {
      ++position;
      return 0xFFFD;
    }
    c = (c << 6) | (next & 0x3F);
  }
  position += length;
  return c;
}

}  // namespace

char FoldedReader::Next() {
  while (pending_.empty()) {
    if (position_ >= text_.size()) return 0;
    const std::size_t start = position_;
    const unsigned char byte = static_cast<unsigned char>(text_[position_]);
    const char32_t c = byte < 0x80 ? (++position_, byte) : DecodeNext(text_, position_);
    if (c < kTableEnd || (c >= kExtendedStart && c < kExtendedEnd)) {
      const Folding& folding = TableFolding(c);
      if (folding.breaksWord) {
        blankDue_ = anyWritten_;
      } else {
        pending_ = folding.latin;
        if (!pending_.empty()) source_ = start;
      }
    } else {
      const Folding folding = FoldCodePoint(c);
      // Letters of other scripts have no Latin form here: they are skipped
      // like marks, so they neither match nor split a word.
      if (folding.breaksWord) blankDue_ = anyWritten_;
    }
  }
  if (blankDue_) {
    blankDue_ = false;
    return ' ';
  }
  anyWritten_ = true;
  const char next = pending_.front();
  pending_.remove_prefix(1);
  return next;
}

std::string FoldUtf8(std::string_view utf8) {
  std::string folded;
  folded.reserve(utf8.size());
  FoldedReader reader(utf8);
  for (char c = reader.Next(); c != 0; c = reader.Next()) folded += c;
  return folded;
}

std::string FoldTyped(const QString& text) {
  const QByteArray utf8 = text.toUtf8();
  return FoldUtf8(std::string_view(utf8.constData(), utf8.size()));
}

}  // namespace frontend
