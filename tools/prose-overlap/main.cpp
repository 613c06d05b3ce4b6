// Composes the page of every tree sign (one birth date per sign, the first date
// of its run in sun_days.txt) and reports how many content words the page's
// three texts share beyond the plant's name: the circle text (without its
// opening line "Вы родились в ..."), the public text and the secret text.
// A word's stem counts as shared when at least two of the three texts use it;
// see content_words.h for what a content word and its stem are.
//
// As a yardstick it also reports pages put together from unrelated texts: the
// circle text of sign t with the public text of sign t + 41 and the secret text
// of sign t + 74 (other plants), leaving out the names of all three plants.
//
//   prose-overlap [--check] [data directory]
// --check: exit status 1 unless the average is under 1.5 and no page shares
// more than 4 stems.
#include <algorithm>
#include <cstdio>
#include <cstring>
#include <exception>
#include <map>
#include <set>
#include <string>
#include <vector>

#include "content/compose.h"
#include "content/table_files.h"
#include "content/tables.h"
#include "tools/prose-overlap/content_words.h"
#include "tools/prose-overlap/plant_names.h"

namespace {

constexpr int kTreeSigns = 108;
constexpr double kAverageLimit = 1.5;
constexpr std::size_t kPageLimit = 4;

struct SignPage {
  std::string dateKey;
  std::string circle;
  std::string circleText;
  std::string publicText;
  std::string secretText;
};

std::string Joined(const content::Lines& lines, std::size_t from) {
  std::string text;
  for (std::size_t i = from; i < lines.size(); ++i) text += lines[i] + "\n";
  return text;
}

// The first date of every tree sign's run, composed into its page.
std::vector<SignPage> ComposeSignPages(const content::ReferenceTables& tables) {
  std::vector<SignPage> pages(kTreeSigns + 1);
  for (const std::string& row : tables.sunDays) {
    const content::Fields fields = content::SplitFields(row);
    if (fields.size() < 4) continue;
    const int sign = std::atoi(fields[3].c_str());
    if (sign < 1 || sign > kTreeSigns || !pages[sign].dateKey.empty()) continue;
    content::BirthDate date{2028, std::atoi(fields[0].c_str() + 3), std::atoi(fields[0].c_str())};
    const content::Composition c = content::Compose(tables, date, "1", "");
    pages[sign] = {fields[0], fields[2], Joined(c.worldCircle, 1), Joined(c.treeSignPublic, 0),
                   Joined(c.treeSignSecret, 0)};
  }
  return pages;
}

// Stems used by at least two of the texts, each with the letters of the texts
// that use it (C circle, P public, S secret).
std::map<std::string, std::string> SharedStems(const std::string& circleText,
                                               const std::string& publicText,
                                               const std::string& secretText,
                                               const std::vector<int>& plants) {
  const auto isPlantName = [&plants](std::string_view word) {
    return std::any_of(plants.begin(), plants.end(),
                       [word](int plant) { return prose_overlap::NamesPlant(plant, word); });
  };
  const std::set<std::string> texts[] = {prose_overlap::ContentStems(circleText, isPlantName),
                                         prose_overlap::ContentStems(publicText, isPlantName),
                                         prose_overlap::ContentStems(secretText, isPlantName)};
  std::map<std::string, std::string> users;
  for (int k = 0; k < 3; ++k) {
    for (const std::string& stem : texts[k]) users[stem] += "CPS"[k];
  }
  std::erase_if(users, [](const auto& entry) { return entry.second.size() < 2; });
  return users;
}

}  // namespace

int main(int argc, char** argv) {
  bool check = false;
  std::string dataDirectory = VELUNOR_DATA_DIR;
  for (int i = 1; i < argc; ++i) {
    if (std::strcmp(argv[i], "--check") == 0) {
      check = true;
    } else if (argv[i][0] == '-') {
      std::fprintf(stderr, "usage: %s [--check] [data directory]\n", argv[0]);
      return 2;
    } else {
      dataDirectory = argv[i];
    }
  }
  try {
    const content::ReferenceTables tables = content::ReadTablesFromDirectory(dataDirectory);
    const std::vector<SignPage> pages = ComposeSignPages(tables);

    std::printf(
        "sign date  circle plant/part            shared  stems (C circle, P public, "
        "S secret)\n");
    std::size_t total = 0;
    std::size_t most = 0;
    int pagesOverLimit = 0;
    double unrelatedTotal = 0;
    for (int sign = 1; sign <= kTreeSigns; ++sign) {
      const SignPage& page = pages[sign];
      const int plant = prose_overlap::PlantOfSign(sign);
      const auto shared = SharedStems(page.circleText, page.publicText, page.secretText, {plant});
      std::string list;
      for (const auto& [stem, users] : shared) list += " " + stem + "(" + users + ")";
      std::string title = std::string(prose_overlap::PlantTitle(plant)) + " " +
                          std::string(prose_overlap::PartTitle(prose_overlap::PartOfSign(sign)));
      std::printf("%4d %s %6s %-*s %6zu %s\n", sign, page.dateKey.c_str(), page.circle.c_str(),
                  // Cyrillic letters take two bytes: pad to 24 letters.
                  static_cast<int>(24 + title.size() / 2), title.c_str(), shared.size(),
                  list.c_str());
      total += shared.size();
      most = std::max(most, shared.size());
      if (shared.size() > kPageLimit) ++pagesOverLimit;

      const int publicSign = (sign - 1 + 41) % kTreeSigns + 1;
      const int secretSign = (sign - 1 + 74) % kTreeSigns + 1;
      const auto unrelated = SharedStems(
          page.circleText, pages[publicSign].publicText, pages[secretSign].secretText,
          {plant, prose_overlap::PlantOfSign(publicSign), prose_overlap::PlantOfSign(secretSign)});
      unrelatedTotal += unrelated.size();
    }
    const double average = static_cast<double>(total) / kTreeSigns;
    std::printf("\naverage shared beyond the plant's name: %.2f (target under %.1f)\n", average,
                kAverageLimit);
    std::printf("most on one page: %zu; pages over %zu: %d\n", most, kPageLimit, pagesOverLimit);
    std::printf("unrelated texts on one page, for comparison: %.2f\n", unrelatedTotal / kTreeSigns);
    if (check && (average >= kAverageLimit || most > kPageLimit)) return 1;
  } catch (const std::exception& error) {
    std::fprintf(stderr, "prose-overlap: %s\n", error.what());
    return 1;
  }
  return 0;
}
