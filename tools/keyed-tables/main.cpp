// Writes the keyed reference tables (and the good-and-evil day phrases) into
// the data directory given as the one argument:
//   keyed-tables data
// The sun-day table is derived from its run rules and letter table; the other
// tables are fixed text. Output is Windows-1251 with CR LF line ends.
#include <cstdio>
#include <exception>
#include <filesystem>
#include <fstream>
#include <string>

#include "fixed_tables.h"
#include "sun_days.h"

namespace {

void WriteFile(const std::filesystem::path& path, const std::string& bytes) {
  std::ofstream out(path, std::ios::binary | std::ios::trunc);
  out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
  if (!out) throw std::runtime_error("cannot write " + path.string());
  std::printf("%-24s %6zu bytes\n", path.filename().c_str(), bytes.size());
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 2) {
    std::fprintf(stderr, "usage: %s <data directory>\n", argv[0]);
    return 2;
  }
  const std::filesystem::path directory = argv[1];
  try {
    WriteFile(directory / "sun_days.txt", keyed_tables::SunDaysTable());
    WriteFile(directory / "moon_days.txt", keyed_tables::MoonDaysTable());
    WriteFile(directory / "worlds.txt", keyed_tables::WorldsTable());
    WriteFile(directory / "key.txt", keyed_tables::KeyTable());
    WriteFile(directory / "knife.txt", keyed_tables::KnifeTable());
    WriteFile(directory / "week_days.txt", keyed_tables::WeekDaysTable());
    WriteFile(directory / "moon_days_descr2.txt", keyed_tables::MoonDaysDescr2Table());
  } catch (const std::exception& error) {
    std::fprintf(stderr, "keyed-tables: %s\n", error.what());
    return 1;
  }
  return 0;
}
