// Test helpers: expected strings are written in UTF-8 and compared as the
// Windows-1251 bytes the library works in.
#pragma once

#include <initializer_list>
#include <string>
#include <string_view>

#include "content/cp1251.h"
#include "content/tables.h"

namespace content_test {

inline std::string W(std::string_view utf8) {
  return content::Cp1251FromUtf8(utf8);
}

inline content::Lines WLines(std::initializer_list<std::string_view> utf8Lines) {
  content::Lines lines;
  for (const auto line : utf8Lines) lines.push_back(W(line));
  return lines;
}

}  // namespace content_test
