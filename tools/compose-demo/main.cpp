// Prints every result page for a birth date and a lunar day of birth so that a
// person can read it:
//   compose-demo <yyyy-mm-dd> <lunar day or ""> [data directory]
// The birth date's short form on the week-day page is dd.mm.yyyy, the Russian
// locale's.
#include <cstdio>
#include <exception>
#include <string>
#include <vector>

#include "content/compose.h"
#include "content/table_files.h"

namespace {

bool ParseDate(const std::string& text, content::BirthDate& date) {
  char rest = 0;
  if (std::sscanf(text.c_str(), "%d-%d-%d%c", &date.year, &date.month, &date.day, &rest) != 3) {
    return false;
  }
  static constexpr int kDaysInMonth[] = {31, 29, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
  if (date.month < 1 || date.month > 12 || date.day < 1) return false;
  const bool leap = (date.year % 4 == 0 && date.year % 100 != 0) || date.year % 400 == 0;
  const int days = date.month == 2 && !leap ? 28 : kDaysInMonth[date.month - 1];
  return date.day <= days;
}

void PrintPage(const char* title, const content::Lines& lines) {
  std::printf("== %s ==\n", title);
  for (const auto& line : lines) std::printf("%s\n", line.c_str());
  std::printf("\n");
}

}  // namespace

int main(int argc, char** argv) {
  content::BirthDate date;
  if (argc < 3 || argc > 4 || !ParseDate(argv[1], date)) {
    std::fprintf(stderr, "usage: %s <yyyy-mm-dd> <lunar day or \"\"> [data directory]\n", argv[0]);
    return 2;
  }
  const std::string dataDirectory = argc == 4 ? argv[3] : VELUNOR_DATA_DIR;
  try {
    std::vector<std::string> unreadable;
    const content::ReferenceTables tables =
        content::ReadTablesFromDirectory(dataDirectory, &unreadable);
    for (const auto& name : unreadable) {
      std::fprintf(stderr, "compose-demo: %s not readable, its page stays empty\n", name.c_str());
    }
    char shortDate[32];
    std::snprintf(shortDate, sizeof shortDate, "%02d.%02d.%04d", date.day, date.month, date.year);
    const content::Composition c = content::Compose(tables, date, argv[2], shortDate);

    PrintPage("круг мира", c.worldCircle);
    std::printf("== лунный день ==\n%s\n\n", c.lunarDayCaption.c_str());
    PrintPage("стих лунного дня", c.lunarVerse);
    PrintPage("здоровье и долголетие", c.health);
    PrintPage("добрые и злые дни", c.goodOrEvil);
    PrintPage("нож", c.knife);
    PrintPage("знак дерева", c.treeSignPublic);
    PrintPage("тайная часть", c.treeSignSecret);
    PrintPage("день недели", c.weekDay);
    std::printf("== солнечный символ месяца ==\nsun%d.bmp\n", c.monthPictureIndex + 1);
  } catch (const std::exception& error) {
    std::fprintf(stderr, "compose-demo: %s\n", error.what());
    return 1;
  }
  return 0;
}
