#include "fixed_tables.h"

#include <array>
#include <string_view>
#include <vector>

#include "content/cp1251.h"

namespace keyed_tables {
namespace {

constexpr std::string_view kLineEnd = "\r\n";

std::string Row(const std::vector<std::string>& cells) {
  std::string row;
  for (std::size_t i = 0; i < cells.size(); ++i) {
    if (i > 0) row += '\t';
    row += cells[i];
  }
  return row;
}

std::string Cp1251Row(std::initializer_list<std::string_view> utf8Cells) {
  std::vector<std::string> cells;
  for (const auto cell : utf8Cells) cells.push_back(content::Cp1251FromUtf8(cell));
  return Row(cells);
}

// DOS Cyrillic: А..п at 0x80..0xAF, р..я at 0xE0..0xEF; only letters and ASCII
// occur in the key table's header.
std::string Cp866FromUtf8(std::string_view utf8) {
  const std::string cp1251 = content::Cp1251FromUtf8(utf8);
  std::string out;
  for (const char c : cp1251) {
    const auto byte = static_cast<unsigned char>(c);
    if (byte >= 0xC0 && byte <= 0xEF) {
      out += static_cast<char>(byte - 0x40);  // А..п
    } else if (byte >= 0xF0) {
      out += static_cast<char>(byte - 0x10);  // р..я
    } else {
      out += c;
    }
  }
  return out;
}

}  // namespace

std::string MoonDaysTable() {
  constexpr std::string_view kLetters = "svvsnvvssssnsvvvnsvsvssvnnsvvs";
  std::string table;
  for (std::size_t day = 1; day <= kLetters.size(); ++day) {
    table += std::to_string(day) + "\t" + kLetters[day - 1] + std::string(kLineEnd);
  }
  return table;
}

std::string WorldsTable() {
  // Sun letter, lunar-day letter, world letter, world name.
  const std::array<std::array<std::string_view, 4>, 9> rows = {{
      {"v", "v", "v", "Прави"},
      {"v", "s", "s", "Яви"},
      {"v", "n", "v", "Прави"},
      {"s", "v", "s", "Яви"},
      {"s", "s", "s", "Яви"},
      {"s", "n", "n", "Нави"},
      {"n", "v", "v", "Прави"},
      {"n", "s", "n", "Нави"},
      {"n", "n", "n", "Нави"},
  }};
  std::string table;
  for (const auto& r : rows) table += Cp1251Row({r[0], r[1], r[2], r[3]}) + std::string(kLineEnd);
  return table;
}

std::string KeyTable() {
  // Circle, then the three "roots" and the three "paths" numbers, for each
  // world letter v, s, n in turn; column 2 numbers the rows 1..27.
  const std::array<std::array<int, 7>, 27> rows = {{
      {1, 5, 9, 3, 6, 7, 2}, {2, 6, 4, 6, 9, 4, 5}, {3, 9, 6, 5, 8, 3, 6}, {4, 8, 2, 7, 7, 9, 1},
      {5, 7, 8, 2, 1, 2, 8}, {6, 1, 9, 3, 2, 8, 9}, {7, 4, 1, 8, 5, 9, 4}, {8, 3, 6, 5, 4, 5, 7},
      {9, 2, 4, 6, 3, 6, 3}, {1, 8, 6, 3, 8, 1, 8}, {2, 3, 9, 7, 5, 6, 3}, {3, 9, 8, 1, 7, 2, 6},
      {4, 3, 7, 6, 2, 9, 5}, {5, 6, 1, 8, 9, 7, 2}, {6, 4, 2, 5, 1, 4, 7}, {7, 2, 5, 4, 4, 2, 9},
      {8, 7, 4, 9, 6, 5, 1}, {9, 1, 3, 2, 8, 6, 4}, {1, 2, 4, 5, 6, 8, 6}, {2, 1, 3, 6, 5, 1, 9},
      {3, 8, 7, 9, 3, 6, 8}, {4, 3, 1, 8, 2, 5, 7}, {5, 5, 6, 7, 7, 2, 1}, {6, 7, 8, 1, 3, 7, 2},
      {7, 9, 9, 4, 1, 7, 5}, {8, 6, 2, 3, 9, 1, 4}, {9, 4, 5, 2, 9, 4, 3},
  }};
  constexpr std::string_view kWorldLetters = "vsn";
  // The header cells do not line up with the columns below: one empty cell
  // follows the roots and two follow the paths.
  std::string table = Row({Cp866FromUtf8(";мир"), Cp866FromUtf8("круг"), Cp866FromUtf8("оберег"),
                           Cp866FromUtf8("корни vsn"), "", Cp866FromUtf8("Пути vsn"), "", ""}) +
                      std::string(kLineEnd);
  for (std::size_t i = 0; i < rows.size(); ++i) {
    std::vector<std::string> cells = {std::string(1, kWorldLetters[i / 9])};
    cells.push_back(std::to_string(rows[i][0]));
    cells.push_back(std::to_string(i + 1));
    for (std::size_t c = 1; c < rows[i].size(); ++c) cells.push_back(std::to_string(rows[i][c]));
    table += Row(cells) + std::string(kLineEnd);
  }
  return table;
}

std::string KnifeTable() {
  // Combat and magical quality for lunar days 1..30; blanks are part of the text.
  const std::array<std::array<std::string_view, 2>, 30> rows = {{
      {"Острота ", "Поклонение предкам"},
      {"Точность ", "Убийство через ритуал"},
      {"Тяжесть ", "Подчинение злых духов"},
      {"Пустота ", " Ранение взглядом"},
      {"Скорость ", "Возращение заблудших душ"},
      {"Стремительность ", "Отпущение грехов "},
      {"Костность ", "Сила духа"},
      {"Добротность ", "Отмщение за смерть близких"},
      {"Неприступность ", "Близость с духами "},
      {"беспощадность", "Приобретение власти над темными силами "},
      {"Красота ", "Страх перед силами неба"},
      {"Пробиваемость ", "Усиление власти светлых сил "},
      {"Достижение цели ", "Услада божественных сил"},
      {"Опустошительность ", "Достижение райских мест"},
      {"Крепость ", "Добывания бессмертия"},
      {"Колкость ", "Умертвление немощи "},
      {"Тучность ", "Лишение чувств через мысли"},
      {"Кротость ", "Умиление перед великими силами"},
      {"Ударность ", "Покаяние за грехи"},
      {"Громоподобие ", "Отпущение малых грехов"},
      {"Удачливость ", "Нанесение врагу сонливости"},
      {"Напор ", "Глубина печали и мрака"},
      {"Суровость ", "Успокоение души "},
      {"Сообразительность ", "Дар Божий "},
      {"Тщетность ", "Глубина проницательности"},
      {"Резкость ", "Глумление над традицией"},
      {"Строптивость ", "Благость "},
      {"Поражаемость ", "Культ насилия и беспощадности"},
      {"Древности ", "Силы зла"},
      {"Гибкость ", "Подчинение магических сил"},
  }};
  std::string table;
  for (std::size_t i = 0; i < rows.size(); ++i) {
    table +=
        std::to_string(i + 1) + "\t" + Cp1251Row({rows[i][0], rows[i][1]}) + std::string(kLineEnd);
  }
  return table;
}

std::string WeekDaysTable() {
  // Row 0 is the header; its three empty cells are real empty fields.
  const std::array<std::array<std::string_view, 12>, 8> rows = {{
      {"#дня недели", "День недели", "Бог ", "Что делать ", "качества", "Куда ходить на",
       "Чихнешь натощак ", "", "", "", "Родившиеся в этот день ", "Дни на масленицу"},
      {"1", "Неделя (воскресение)", "Дажбог", "Гулять ", "гулянка", "веселье", "К гостям", "свято",
       "Женский день", "скаробный", "Те, кто вызывает к себе зависть.",
       "проводы, прощанья, целовник"},
      {"2", "Понедельник", "Чернобог", "Баню топить", "похмельник", "могильник", "К подарку",
       "черный", "Мужской день", "постный", "Лентяи и неудачники", "встреча."},
      {"3", "Вторник ", "Белбог", "Баню ходить", "Потворник (задорник)", "кокорник", "К приезжим",
       "потворник", "Мужской день", "скаробный", "Работящие", " заигрыши"},
      {"4", "Среда ", "Леля", "В угаре лежать", "пост", "переды", "К вестям", "ростница",
       "Женский день", "постный", "Наполовину лентяи и наполовину работящие", "лакомка"},
      {"5", "Четверг", "Перун", "Голову чесать", "перевал", "коты", "К похвале", "перечить",
       "Мужской день", "скаробный", "Те, кто не доживет до старости",
       "широкий четверток, разгул, перелом"},
      {"6", "Пятница ", "Лада, Мокош", "Не прасть", "Не работница", "мельницу", "К свиданию",
       "корячится", "Женский день", "постный", "Горькие пьяницы", "тещины вечёрки."},
      {"7", "Суббота", "Маланка", "Родителей поминать", "уборка", "работу", "К исполнению желаний",
       "Делу почин", "Женский день", "скаробный",
       "Более удачливые и счастливые, чем рожденные в предыдущие дни", "золовкины посиделки"},
  }};
  std::string table;
  for (const auto& r : rows) {
    std::vector<std::string> cells;
    for (const auto cell : r) cells.push_back(content::Cp1251FromUtf8(cell));
    table += Row(cells) + std::string(kLineEnd);
  }
  return table;
}

std::string MoonDaysDescr2Table() {
  const std::array<std::string_view, 30> phrases = {
      "с утра зол",
      "посредь зол",
      "посредь зол",
      "с утра зол",
      "в 3-й час зол",
      "с утра зол",
      "весь зол",
      "посредь зол",
      "с утра зол",
      "добр день",
      "добр день",
      "с утра зол",
      "добр",
      "добр",
      "от вечера зол",
      "с утра зол",
      "весь зол",
      "с утра зол",
      "от половины зол",
      "весь добр",
      "весь добр",
      "весь добр",
      "весь добр",
      "весь зол",
      "кто поклянется, в беду попадет",
      "весь добр",
      "весь добр",
      "от вечера зол",
      "29-й в час дня зол",
      "весь добр",
  };
  std::string table;
  for (std::size_t i = 0; i < phrases.size(); ++i) {
    table += "#" + std::to_string(i + 1) + std::string(kLineEnd) +
             content::Cp1251FromUtf8(phrases[i]) + std::string(kLineEnd);
  }
  return table + "#";
}

}  // namespace keyed_tables
