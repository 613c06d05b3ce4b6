// The one decoder of the tables' code page: the Cyrillic letters, the Belarusian
// and Ukrainian ones and the punctuation the texts use land on their Unicode
// characters, and ASCII passes unchanged.
#include "content/cp1251.h"

#include <gtest/gtest.h>

namespace content {
namespace {

TEST(Utf8FromCp1251, DecodesEveryKindOfCharacterTheTablesHold) {
  const struct {
    const char* bytes;
    const char* utf8;
  } cases[] = {
      {"\xCC\xE8\xED\xF1\xEA", "Минск"}, {"\xA8\xB8\xB9\xAB\xBB\x97", "Ёё№«»—"},
      {"\xC0\xDF\xE0\xFF", "АЯая"},      {"\xB2\xB3\xA1\xA2", "ІіЎў"},
      {"a\tb\r\n", "a\tb\r\n"},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(Utf8FromCp1251(c.bytes), c.utf8) << c.utf8;
    EXPECT_EQ(Cp1251FromUtf8(c.utf8), c.bytes) << c.utf8;
  }
}

}  // namespace
}  // namespace content
