// Test helper: writes UTF-8 literals (ASCII and Russian Cyrillic) as the
// Windows-1251 bytes the place list uses.
#pragma once

#include <string>
#include <string_view>

namespace velunor::testing {

std::string Cp1251(std::string_view utf8);

}  // namespace velunor::testing
