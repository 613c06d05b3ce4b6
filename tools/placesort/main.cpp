// placesort: sorts place-list lines (Windows-1251, "name=value") read from
// standard input into the drop-down's order and writes them to standard
// output, one per line ended by LF. Fails (exit 1) when two names are
// equivalent in that order, since the drop-down could not tell them apart.
#include <algorithm>
#include <iostream>
#include <iterator>
#include <string>
#include <vector>

#include "tools/placesort/placeorder.h"

namespace {

std::vector<std::string> ReadLines(std::istream& in) {
  std::vector<std::string> lines;
  std::string line;
  while (std::getline(in, line)) {
    if (!line.empty() && line.back() == '\r') line.pop_back();
    if (!line.empty()) lines.push_back(line);
  }
  return lines;
}

}  // namespace

int main() {
  std::ios::sync_with_stdio(false);
  std::vector<std::string> lines = ReadLines(std::cin);
  std::stable_sort(lines.begin(), lines.end(), [](const std::string& a, const std::string& b) {
    return velunor::PlaceNameLess(velunor::PlaceLineName(a), velunor::PlaceLineName(b));
  });

  int clashes = 0;
  for (std::size_t i = 1; i < lines.size(); ++i) {
    if (velunor::PlaceNamesEquivalent(velunor::PlaceLineName(lines[i - 1]),
                                      velunor::PlaceLineName(lines[i]))) {
      std::cerr << "equivalent names: " << lines[i - 1] << " / " << lines[i] << '\n';
      ++clashes;
    }
  }
  if (clashes != 0) return 1;

  for (const std::string& line : lines) std::cout << line << '\n';
  return std::cout.good() ? 0 : 1;
}
