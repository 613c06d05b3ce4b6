// The order in which the place drop-down sorts its items, on names encoded
// in Windows-1251. Plain C++ so that the data build tool and the window share
// one implementation.
#pragma once

#include <string_view>

namespace velunor {

// Three-way comparison of two place names (Windows-1251 bytes):
//  - letter case is ignored; hyphen and apostrophe are ignored;
//  - blank < "(" < ")" < "," < "+" < other symbols < digits < Latin letters
//    < Cyrillic letters (Cyrillic in alphabet order, with "ё" counting as "е").
// Names equal under these rules are ordered deterministically: first by the
// case-folded text with hyphen and apostrophe lowest and "ё" after "е", then
// by raw bytes (so an upper-case letter precedes its lower-case form).
// Returns a negative number, zero (only for identical bytes) or a positive one.
int ComparePlaceNames(std::string_view a, std::string_view b);

// Strict weak order for sorting: true when `a` sorts before `b`.
bool PlaceNameLess(std::string_view a, std::string_view b);

// True when the two names differ only in ways the drop-down's order ignores
// (letter case, hyphens, apostrophes, "ё" against "е"); such names must not
// both be in the place list.
bool PlaceNamesEquivalent(std::string_view a, std::string_view b);

// The name of a place-list line: the text before its first "=" (the whole
// line when it has none).
std::string_view PlaceLineName(std::string_view line);

}  // namespace velunor
