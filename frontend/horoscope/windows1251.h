// Windows-1251, the single-byte Cyrillic code page in which the built-in tables
// are stored. Each table is decoded once, where it is loaded; everything after
// that works on Unicode text.
#pragma once

#include <QByteArrayView>
#include <QString>
#include <string>
#include <vector>

QString DecodeWindows1251(QByteArrayView bytes);

// The same text as UTF-8, for the plain C++ libraries.
std::string Utf8FromWindows1251(QByteArrayView bytes);

// UTF-8 lines joined by line feeds, as a text box shows them.
QString JoinLines(const std::vector<std::string>& lines);
