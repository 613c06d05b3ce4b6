// Conversion between UTF-8 and the Windows-1251 single-byte code page, in which
// every reference table is stored.
#pragma once

#include <string>
#include <string_view>

namespace content {

// Decodes Windows-1251 bytes to UTF-8. The one unassigned byte (0x98) becomes
// U+FFFD.
std::string Utf8FromCp1251(std::string_view bytes);

// Encodes UTF-8 text in Windows-1251. Characters the code page lacks (and
// malformed UTF-8) become '?'.
std::string Cp1251FromUtf8(std::string_view text);

// True when every byte is assigned in Windows-1251.
bool IsValidCp1251(std::string_view bytes);

}  // namespace content
