#include "sun_days.h"

#include <algorithm>
#include <array>
#include <stdexcept>
#include <string_view>
#include <vector>

namespace keyed_tables {
namespace {

constexpr std::array<int, 12> kDaysInLeapYearMonth = {31, 29, 31, 30, 31, 30,
                                                      31, 31, 30, 31, 30, 31};

// Sun letter of every day, one character per day from the 1st.
constexpr std::array<std::string_view, 12> kSunLetters = {
    "vsnsvnsnnvssnvvnvnnvssvsvnnvsss", "svnvvnnnvnnnsvnssnnsnnvnvsssn",
    "vvvvssvvsssvnnvnvvvssssnnvsvvnn", "nsvnsnnnnsvvvnnnsssvnnsnnvnnsv",
    "nnnsvsnsnssvvnnnvsvvvsvssnsvvvn", "nsvnsvnnvnssvnnsnvnssvsnsnvnvn",
    "nvsvnvnsvvvnssnvnssnvssnsvssvvn", "nnnnsvnnvnsvnnsnvsnvvssvvsnssnn",
    "vvvvvsvvsnvnsnnvsvvsvssvvvsnns",  "nnvsnssnsnvsnvsnvvnsnnsvssvnsnv",
    "vvsnssvsnssvvnnsnvsnnvnnsnnsvn",  "sssnvvnsvsnvnssvnsvvnnvvvsnsnnn",
};

// Days on which a new run of circle and tree sign begins, month by month.
const std::array<std::vector<int>, 12> kRunStartDays = {{
    {1, 5, 8, 12, 15, 18, 21, 24, 27, 31},
    {5, 8, 12, 15, 18, 21, 24, 27},
    {2, 7, 10, 14, 17, 20, 22, 25, 28, 31},
    {5, 8, 12, 15, 18, 21, 24, 27, 30},
    {5, 8, 12, 15, 18, 21, 24, 27, 30},
    {4, 7, 11, 14, 17, 22, 25, 28},
    {1, 6, 9, 13, 17, 20, 24, 27, 30},
    {2, 7, 10, 14, 17, 20, 24, 27, 30},
    {2, 7, 10, 14, 17, 20, 22, 25, 28},
    {1, 6, 9, 13, 16, 21, 24, 27, 30},
    {2, 7, 10, 14, 17, 20, 23, 26, 29},
    {2, 7, 10, 14, 17, 20, 22, 25, 28, 31},
}};

constexpr std::array<int, 9> kCircleCycle = {3, 8, 1, 6, 4, 2, 5, 7, 9};
constexpr int kRuns = 109;

int CircleOfRun(int run) {
  return kCircleCycle[run % 9];
}

// Runs are counted from the one starting on 1 January, which is the fourth
// plant's roots: hence the shift by three plants.
int TreeSignOfRun(int run) {
  const int m = run + 3;
  const int plant = m % 27 + 1;  // 1..27
  const int part = m / 27 % 4;   // 0 roots, 1 branches, 2 trunk, 3 seeds
  return 4 * (plant - 1) + part + 1;
}

std::string TwoDigits(int value) {
  return {static_cast<char>('0' + value / 10), static_cast<char>('0' + value % 10)};
}

void Check(bool condition, const char* what) {
  if (!condition) throw std::logic_error(what);
}

}  // namespace

std::string SunDaysTable() {
  std::string table;
  int run = -1;
  for (int month = 1; month <= 12; ++month) {
    const std::string_view letters = kSunLetters[month - 1];
    Check(letters.size() == static_cast<std::size_t>(kDaysInLeapYearMonth[month - 1]),
          "sun letters do not fit the month");
    const std::vector<int>& starts = kRunStartDays[month - 1];
    for (int day = 1; day <= kDaysInLeapYearMonth[month - 1]; ++day) {
      if (std::find(starts.begin(), starts.end(), day) != starts.end()) ++run;
      table += TwoDigits(day) + "." + TwoDigits(month) + "\t" + letters[day - 1] + "\t" +
               std::to_string(CircleOfRun(run)) + "\t" + std::to_string(TreeSignOfRun(run)) +
               "\r\n";
    }
  }
  Check(run + 1 == kRuns, "wrong number of runs");
  return table;
}

}  // namespace keyed_tables
