// Windows-1251, the single-byte Cyrillic code page of the built-in tables.
#pragma once

#include <QString>
#include <string>
#include <string_view>
#include <vector>

QString DecodeCp1251(std::string_view bytes);

// The lines decoded and joined by line feeds, as a text box shows them.
QString DecodeCp1251Lines(const std::vector<std::string>& lines);

// Characters outside the code page become '?'.
std::string EncodeCp1251(const QString& text);
