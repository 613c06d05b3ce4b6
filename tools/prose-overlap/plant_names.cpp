#include "tools/prose-overlap/plant_names.h"

#include <iterator>
#include <vector>

namespace prose_overlap {
namespace {

struct PlantName {
  std::string_view title;
  // A word names the plant when it begins with one of the prefixes or equals
  // one of the short forms; short names ("ель", "дуб", "вяз", "ива", "липа")
  // are listed form by form so that unrelated words ("ели" aside) are not
  // caught by a two- or three-letter prefix.
  std::vector<std::string_view> prefixes;
  std::vector<std::string_view> words;
};

// Plants in tree-sign order: plant p owns tree signs 4p - 3 .. 4p.
const PlantName kPlants[] = {
    {"ольха", {"ольх", "ольш"}, {}},
    {"кувшинка", {"кувшинк"}, {}},
    {"береза", {"берез"}, {}},
    {"рябина", {"рябин"}, {}},
    {"ива", {"ивов", "ивняк", "верб"}, {"ива", "ивы", "иве", "иву", "ивой", "ив", "ивам", "ивами"}},
    {"калина", {"калин"}, {}},
    {"липа", {"липов", "липняк"}, {"липа", "липы", "липе", "липу", "липой", "лип", "липам"}},
    {"клен", {"клен"}, {}},
    {"ясень", {"ясен"}, {}},
    {"можжевельник", {"можжевел"}, {}},
    {"сосна", {"сосн", "сосен"}, {}},
    {"ель",
     {"елов", "ельн", "елк", "елоч"},
     {"ель", "ели", "елью", "елей", "елям", "елями", "елях"}},
    {"лещина", {"лещин", "орех", "ореш"}, {}},
    {"черемуха", {"черемух", "черемуш"}, {}},
    {"бузина", {"бузин"}, {}},
    {"вереск", {"вереск"}, {}},
    {"папоротник", {"папоротн"}, {}},
    {"хмель", {"хмел", "хмель"}, {}},
    {"полынь", {"полын"}, {}},
    {"осина", {"осин"}, {}},
    {"дуб",
     {"дубов", "дубк", "дубрав"},
     {"дуб", "дуба", "дубу", "дубом", "дубе", "дубы", "дубам", "дубами", "дубах"}},
    {"вяз", {"вязов"}, {"вяз", "вяза", "вязу", "вязом", "вязе", "вязы", "вязам", "вязами"}},
    {"боярышник", {"боярыш"}, {}},
    {"яблоня", {"яблон", "яблок", "яблоч"}, {}},
    {"груша", {"груш"}, {}},
    {"терн", {"терн"}, {}},
    {"тополь", {"топол"}, {}},
};
const int kPlantCount = static_cast<int>(std::size(kPlants));

constexpr std::string_view kParts[] = {"корни", "ветки", "ствол", "семена"};

}  // namespace

int PlantOfSign(int treeSign) {
  return (treeSign - 1) / 4 + 1;
}
int PartOfSign(int treeSign) {
  return (treeSign - 1) % 4;
}

std::string_view PlantTitle(int plant) {
  return plant >= 1 && plant <= kPlantCount ? kPlants[plant - 1].title : "?";
}

std::string_view PartTitle(int part) {
  return part >= 0 && part < 4 ? kParts[part] : "?";
}

bool NamesPlant(int plant, std::string_view word) {
  if (plant < 1 || plant > kPlantCount) return false;
  const PlantName& name = kPlants[plant - 1];
  for (std::string_view prefix : name.prefixes) {
    if (word.starts_with(prefix)) return true;
  }
  for (std::string_view form : name.words) {
    if (word == form) return true;
  }
  return false;
}

}  // namespace prose_overlap
