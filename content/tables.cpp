#include "content/tables.h"

namespace content {

Lines CutLines(std::string_view bytes) {
  if (const auto nul = bytes.find('\0'); nul != std::string_view::npos) {
    bytes = bytes.substr(0, nul);
  }
  Lines lines;
  std::size_t start = 0;
  std::size_t i = 0;
  while (i < bytes.size()) {
    const char c = bytes[i];
    if (c != '\r' && c != '\n') {
      ++i;
      continue;
    }
    lines.emplace_back(bytes.substr(start, i - start));
    const bool crLf = c == '\r' && i + 1 < bytes.size() && bytes[i + 1] == '\n';
    i += crLf ? 2 : 1;
    start = i;
  }
  if (start < bytes.size()) lines.emplace_back(bytes.substr(start));
  return lines;
}

Fields SplitFields(std::string_view row) {
  Fields fields;
  std::string field;
  char openQuote = 0;
  for (const char c : row) {
    if (openQuote != 0) {
      if (c == openQuote) openQuote = 0;
      field += c;
    } else if (c == '\t') {
      if (!field.empty()) fields.push_back(std::move(field));
      field.clear();
    } else {
      if (c == '\'' || c == '"') openQuote = c;
      field += c;
    }
  }
  if (!field.empty()) fields.push_back(std::move(field));
  return fields;
}

namespace {

bool KeyMatches(const Fields& fields, std::string_view key, KeyForm form) {
  switch (form) {
    case KeyForm::kColumn0:
      return !fields.empty() && fields[0] == key;
    case KeyForm::kColumn0And1:
      return fields.size() >= 2 && key.size() == fields[0].size() + fields[1].size() &&
             key.starts_with(fields[0]) && key.ends_with(fields[1]);
  }
  return false;
}

}  // namespace

std::optional<Fields> FindRow(const Lines& table, std::string_view key, KeyForm form,
                              std::size_t lowestRow) {
  for (std::size_t row = table.size(); row > lowestRow; --row) {
    Fields fields = SplitFields(table[row - 1]);
    if (KeyMatches(fields, key, form)) return fields;
  }
  return std::nullopt;
}

std::string FieldOrEmpty(const Fields& fields, std::size_t index) {
  return index < fields.size() ? fields[index] : std::string();
}

}  // namespace content
