#include "content/sections.h"

#include <algorithm>

namespace content {

void AppendSection(std::string_view key, const Lines& table, Lines& lines) {
  const auto opening = std::find(table.begin(), table.end(), key);
  if (opening == table.end()) return;
  for (auto line = opening + 1; line != table.end(); ++line) {
    if (line->empty() || line->front() == '#') return;
    lines.push_back(*line);
  }
}

}  // namespace content
