// Windows-1251, the single-byte Cyrillic code page of the built-in tables.
#pragma once

#include <QString>
#include <string>
#include <string_view>

QString DecodeCp1251(std::string_view bytes);

// Characters outside the code page become '?'.
std::string EncodeCp1251(const QString& text);
