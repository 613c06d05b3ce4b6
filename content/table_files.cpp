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
  const auto read = [&directory, unreadable](const char* name) {
    const std::filesystem::path path = directory / name;
    if (unreadable != nullptr && !std::ifstream(path, std::ios::binary)) {
      unreadable->push_back(name);
      return Lines();
    }
    return CutLines(Utf8FromCp1251(ReadFileBytes(path)));
  };
  ReferenceTables tables;
  tables.sunDays = read("sun_days.txt");
  tables.moonDays = read("moon_days.txt");
  tables.weekDays = read("week_days.txt");
  tables.moonDaysDescr = read("moon_days_descr.txt");
  tables.moonDaysDescr1 = read("moon_days_descr1.txt");
  tables.moonDaysDescr2 = read("moon_days_descr2.txt");
  tables.sunDaysDescr = read("sun_days_descr.txt");
  tables.sunDaysDescr1 = read("sun_days_descr1.txt");
  tables.worlds = read("worlds.txt");
  tables.key = read("key.txt");
  tables.knife = read("knife.txt");
  tables.restxt = read("restxt.txt");
  return tables;
}

}  // namespace content
