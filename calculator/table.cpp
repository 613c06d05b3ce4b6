#include "calculator/table.h"

#include <unistd.h>

#include <string>
#include <string_view>

#include "calculator/events.h"
#include "calculator/messages.h"
#include "calculator/table_format.h"

namespace moon {
namespace {

constexpr uint16_t kMaxLunarDays = 30;

// The table file and the console of one run. After the table fails once,
// nothing more is written anywhere.
class RunOutput {
 public:
  RunOutput(const std::string& path, std::FILE* console)
      : table_(std::fopen(path.c_str(), "wb")),
        console_(console),
        flushConsole_(isatty(fileno(console)) != 0),
        failed_(table_ == nullptr) {}
  RunOutput(const RunOutput&) = delete;
  RunOutput& operator=(const RunOutput&) = delete;
  ~RunOutput() { CloseTable(); }

  void TableLine(std::string_view text) {
    if (failed()) return;
    if (std::fwrite(text.data(), 1, text.size(), table_) != text.size() ||
        std::fputs("\r\n", table_) == EOF) {
      failed_ = true;
    }
  }

  // Overwrites the counter on one console line.
  void ShowRowCount(uint16_t rows) {
    if (failed()) return;
    std::fprintf(console_, "\rDay %u           ", static_cast<unsigned>(rows));
    // A terminal shows the counter at once; a pipe needs no flush per row.
    if (flushConsole_) std::fflush(console_);
  }

  void ConsoleLine(std::string_view text) {
    if (failed()) return;
    std::fprintf(console_, "%.*s\n", static_cast<int>(text.size()), text.data());
  }

  // Closes the table; reports whether everything reached it.
  bool CloseTable() {
    if (table_ != nullptr) {
      if (std::fclose(table_) != 0) failed_ = true;
      table_ = nullptr;
    }
    return !failed_;
  }

  bool failed() const { return failed_; }

  // Said even when the table could not be written: this is no silent stop.
  void ConsoleError(std::string_view text) {
    std::fprintf(console_, "\n%.*s\n", static_cast<int>(text.size()), text.data());
  }

 private:
  std::FILE* table_;
  std::FILE* console_;
  bool flushConsole_;
  bool failed_;
};

class TableRun {
 public:
  TableRun(const RunParameters& parameters, RunOutput& output)
      : parameters_(parameters), output_(output), birth_(parameters.birth.moment) {}

  int Run() {
    for (const std::string& line : HeaderLines(parameters_)) output_.TableLine(line);
    MomentRecord current = birth_;
    for (uint16_t month = 1; month <= parameters_.numberOfMonths; ++month) {
      const Outcome outcome = Lunation(current, month == 1);
      if (outcome == Outcome::kStopped) {
        output_.CloseTable();
        return 0;
      }
      if (outcome == Outcome::kNotConverging) {
        output_.CloseTable();
        output_.ConsoleError(kNotConvergingMessage);
        return kNotConvergingExitCode;
      }
    }
    if (output_.CloseTable()) {
      output_.ConsoleLine("");
      output_.ConsoleLine(std::string(kDoneMessage));
    }
    return 0;
  }

 private:
  enum class Outcome { kDone, kStopped, kNotConverging };

  static Outcome FromSearch(SearchStatus status) {
    switch (status) {
      case SearchStatus::kFound:
        return Outcome::kDone;
      case SearchStatus::kFailed:
        return Outcome::kStopped;
      case SearchStatus::kNotConverging:
        break;
    }
    return Outcome::kNotConverging;
  }

  // Lunar day 1 at the new moon, then one row per moonrise until the
  // elongation wraps (the next new moon has passed) or day 30 is written.
  // `current` ends at the moonrise after the next new moon, or half a day
  // after the 30th start.
  Outcome Lunation(MomentRecord& current, bool firstMonth) {
    const SearchStatus newMoon = FindNewMoon(current, firstMonth);
    if (newMoon == SearchStatus::kNotConverging) return Outcome::kNotConverging;
    Evaluation last = Evaluate(current);
    if (!last.ok()) return Outcome::kStopped;
    WriteRow(current, 1, last.moon);

    for (uint16_t lunarDay = 2; lunarDay <= kMaxLunarDays; ++lunarDay) {
      const PositionRecord previousElongation = last.elongation;
      MoonriseBracket bracket;
      Outcome outcome = FromSearch(FindMoonriseBracket(current, bracket, last));
      if (outcome != Outcome::kDone) return outcome;
      outcome = FromSearch(RefineMoonrise(bracket, current, last));
      if (outcome != Outcome::kDone) return outcome;
      if (NewLunationBegun(lunarDay, previousElongation, last.elongation)) break;
      WriteRow(current, lunarDay, last.moon);
      constexpr double kHalfDay = 0.5;  // the next search starts half a day later
      AddTime(current.dateTime, kHalfDay);
    }
    return Outcome::kDone;
  }

  void WriteRow(const MomentRecord& start, uint16_t lunarDay, const PositionRecord& moon) {
    const std::string moonText = MoonText(moon.HasLongitude(), moon.longitude);
    std::string progressedDate;
    if (parameters_.progressed) {
      progressedDate = DateText(Progressed(birth_, start).dateTime);
    }
    output_.TableLine(RowText(start.dateTime, lunarDay, moonText,
                              parameters_.progressed ? &progressedDate : nullptr));
    ++rows_;
    output_.ShowRowCount(rows_);
  }

  const RunParameters& parameters_;
  RunOutput& output_;
  const MomentRecord birth_;  // the base of the progressed dates
  uint16_t rows_ = 0;
};

}  // namespace

int ComputeAndWriteTable(const RunParameters& parameters, std::FILE* console) {
  RunOutput output(parameters.outputPath, console);
  TableRun run(parameters, output);
  return run.Run();
}

}  // namespace moon
