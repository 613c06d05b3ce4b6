#include "content/table_files.h"

#include <fstream>
#include <iterator>
#include <stdexcept>

#include "content/cp1251.h"

namespace content {

std::string ReadFileBytes(const std::filesystem::path& path) {
  std::ifstream in(path, std::ios::binary);
  if (!in) throw std::runtime_error("cannot read " + path.string());
  return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

ReferenceTables ReadTablesFromDirectory(const std::filesystem::path& directory,
                                        std::vector<std::string>* unreadable) {
  ReferenceTables tables;
  for (const TableSource& source : kTableSources) {
    const std::string name = std::string(source.word) + ".txt";
    const std::filesystem::path path = directory / name;
    if (unreadable != nullptr && !std::ifstream(path, std::ios::binary)) {
      unreadable->push_back(name);
      continue;
    }
    tables.*source.lines = CutLines(Utf8FromCp1251(ReadFileBytes(path)));
  }
  return tables;
}

}  // namespace content
