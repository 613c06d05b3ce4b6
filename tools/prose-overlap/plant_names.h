// The names of the 27 plants of the tree signs, as the prose writes them.
#pragma once

#include <string_view>

namespace prose_overlap {

// Tree sign t (1..108) belongs to plant (t - 1) / 4 + 1 and to part (t - 1) % 4.
int PlantOfSign(int treeSign);
int PartOfSign(int treeSign);

// "ольха" .. "тополь" for plants 1..27; "корни", "ветки", "ствол", "семена"
// for parts 0..3.
std::string_view PlantTitle(int plant);
std::string_view PartTitle(int part);

// True when a lower-cased word (with "е" for "ё") names the plant: any form of
// its name or of an adjective from it ("ольховый", "ольшаник"), its other
// common name ("верба" for the willow, "орешник" for the hazel) and a fruit
// that bears the same root ("яблоко").
bool NamesPlant(int plant, std::string_view word);

}  // namespace prose_overlap
