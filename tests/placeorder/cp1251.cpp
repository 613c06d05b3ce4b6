#include "tests/placeorder/cp1251.h"

#include <stdexcept>

namespace velunor::testing {

std::string Cp1251(std::string_view utf8) {
  std::string out;
  for (std::size_t i = 0; i < utf8.size(); ++i) {
    const auto c = static_cast<unsigned char>(utf8[i]);
    if (c < 0x80) {
      out += static_cast<char>(c);
      continue;
    }
    if ((c & 0xE0) != 0xC0 || i + 1 >= utf8.size()) throw std::invalid_argument("not Cyrillic");
    const unsigned code = ((c & 0x1Fu) << 6) | (static_cast<unsigned char>(utf8[++i]) & 0x3Fu);
    if (code >= 0x410 && code <= 0x44F) {
      out += static_cast<char>(0xC0 + (code - 0x410));  // А..я
    } else if (code == 0x401) {
      out += static_cast<char>(0xA8);  // Ё
    } else if (code == 0x451) {
      out += static_cast<char>(0xB8);  // ё
    } else {
      throw std::invalid_argument("letter outside the helper's range");
    }
  }
  return out;
}

}  // namespace velunor::testing
