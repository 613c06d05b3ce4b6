#include "frontend/calculator_run/failure_report.h"

#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <optional>
#include <string>

#include "calculator/messages.h"
#include "calculator/table.h"

namespace frontend {
namespace {

std::string Utf8(const QString& text) {
  return text.toStdString();
}

// The calculator's console messages, each with the word the Russian text must
// hold to name what went wrong.
TEST(CalculatorComplaint, NamesTheInputTheCalculatorRefused) {
  const struct {
    const char* message;
    const char* named;
  } cases[] = {
      {"Error in file ~moon1.in: NAME must be defined in line 1", "имя"},
      {"Error in file ~moon1.in: bad DATE defined in line 2", "дату"},
      {"Error in file ~moon1.in: bad TIME defined in line 3", "время"},
      {"Error in file ~moon1.in: bad TIME_ZONE defined in line 4", "разницу с Гринвичем"},
      {"Error in file ~moon1.in: bad LATITUDE defined in line 6", "широту"},
      {"Error in file ~moon1.in: bad LONGITUDE defined in line 7", "долготу"},
      {"Error in file ~moon1.in: bad NUMBER_OF_MONTH defined in line 8", "лунных месяцев"},
      {"Error in file ~moon1.in: bad PROGR_FLAG defined in line 9", "режим"},
      {"Error in file ~moon1.in: OUT_FILE_NAME must be defined in line 10", "таблиц"},
      {"File ~moon1.in not found.", "не нашел файл параметров"},
      {"Can not open file ~moon1.in. Error code = 13", "открыть файл параметров (код ошибки 13)"},
      {"Error read file ~moon1.in. Error code = 27", "прочитать файл параметров (код ошибки 27)"},
      {"Error close file ~moon1.in. Error code = 5", "закрыть файл параметров (код ошибки 5)"},
      {"\nBad JDay\n", "вне диапазона дат"},
  };
  for (const auto& c : cases) {
    const std::string complaint = Utf8(CalculatorComplaint(c.message));
    EXPECT_NE(complaint.find(c.named), std::string::npos) << c.message << " -> " << complaint;
  }
  // No parameter file leads there; the calculator's own text, not a copy of it.
  const std::string notConverging = "\n" + std::string(moon::kNotConvergingMessage) + "\n";
  EXPECT_NE(Utf8(CalculatorComplaint(notConverging)).find("лунных дней"), std::string::npos);
  // A file name that looks like a message does not change what is found.
  EXPECT_NE(Utf8(CalculatorComplaint("Error in file bad TIME defined in line 3: bad DATE "
                                     "defined in line 2"))
                .find("дату"),
            std::string::npos);
  EXPECT_TRUE(CalculatorComplaint("Load parameters from file ~moon1.in - OK\n\rDay 1   \n\n"
                                  "All done OK\n")
                  .isEmpty());
}

// The same, from the calculator itself: a message it changes must not pass
// unnoticed into a bare "Ошибка в приложении".
TEST(CalculatorComplaint, RecognisesTheCalculatorsOwnMessages) {
  QTemporaryDir directory;
  ASSERT_TRUE(directory.isValid());
  const char* good[] = {"Autocreated", "7.3.1985", "5:7", "3", "",
                        "55.45",       "37.35",    "2",   "a", "out.txt"};
  const struct {
    int line;  // 1-based; the value replaces the good one
    const char* value;
    const char* named;
  } cases[] = {
      {2, "31.4.1990", "дату"},
      {2, "20.12.3999", "вне диапазона дат"},
      {6, "55.60", "широту"},
      {7, "180.10", "долготу"},
  };
  for (const auto& c : cases) {
    QByteArray text;
    for (int line = 1; line <= 10; ++line) {
      text += (line == c.line ? c.value : good[line - 1]);
      text += "\r\n";
    }
    QFile file(directory.filePath(QStringLiteral("p.in")));
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(text);
    file.close();
    QProcess moon;
    moon.setWorkingDirectory(directory.path());
    moon.setProcessChannelMode(QProcess::MergedChannels);
    // Without a terminal, as the front end runs it.
    moon.setChildProcessModifier([] { ::setsid(); });
    moon.start(QStringLiteral(MOON_PROGRAM), {QStringLiteral("p.in")});
    ASSERT_TRUE(moon.waitForFinished(60'000));
    const QByteArray output = moon.readAll();
    const std::string complaint =
        Utf8(CalculatorComplaint(std::string_view(output.constData(), output.size())));
    EXPECT_NE(complaint.find(c.named), std::string::npos)
        << c.value << ": " << output.toStdString() << " -> " << complaint;
  }
}

TEST(FailureReport, SaysWhyWhenTheCalculatorHadNothingToSay) {
  const auto reason = [](RunFailure failure, std::string output = {}, QString detail = {}) {
    RunOutcome outcome;
    outcome.failure = failure;
    outcome.calculatorOutput = std::move(output);
    outcome.detail = std::move(detail);
    return Utf8(FailureReport(outcome).section(QLatin1Char('\n'), 1));
  };
  EXPECT_NE(reason(RunFailure::kTimedOut).find("не закончил расчет"), std::string::npos);
  EXPECT_NE(reason(RunFailure::kNotStarted).find("не удалось запустить"), std::string::npos);
  // Without a table, the calculator's exit status as the script recorded it
  // tells what happened: a program that started and failed is not one that
  // could not be started.
  const struct {
    std::optional<int> exitStatus;
    const char* output;
    const char* named;
  } withoutTable[] = {
      {127, "sh: 1: ./~moon1.exe: not found\n", "не удалось запустить (код 127)"},
      {126, "sh: 1: ./~moon1.exe: Permission denied\n", "не удалось запустить (код 126)"},
      {100, "Error in file ~moon1.in: bad TIME defined in line 3\n", "не принял время"},
      {255, "Load parameters from file ~moon1.in - OK\n", "вне диапазона дат"},
      {3, "Load parameters from file ~moon1.in - OK\n", "не смог найти начала лунных дней"},
      {1, "Load parameters from file ~moon1.in - OK\n", "завершился с кодом 1"},
      {137, "Load parameters from file ~moon1.in - OK\n", "остановлен сигналом 9"},
      {std::nullopt, "", "прерван"},
  };
  for (const auto& c : withoutTable) {
    RunOutcome outcome;
    outcome.failure = RunFailure::kNoTable;
    outcome.calculatorOutput = c.output;
    outcome.calculatorExitStatus = c.exitStatus;
    const std::string text = Utf8(FailureReason(outcome));
    EXPECT_NE(text.find(c.named), std::string::npos) << c.output << " -> " << text;
  }
  EXPECT_NE(reason(RunFailure::kNoLunarDay).find("нет лунного дня"), std::string::npos);
  const QString directoryReason =
      QStringLiteral("Временный каталог смонтирован без права запуска.");
  EXPECT_EQ(reason(RunFailure::kFilesUnusable, {}, directoryReason), Utf8(directoryReason));
  EXPECT_FALSE(reason(RunFailure::kFilesUnusable).empty());
  EXPECT_TRUE(FailureReport(RunOutcome{}).isEmpty());
  RunOutcome abandoned;
  abandoned.failure = RunFailure::kAbandoned;
  EXPECT_TRUE(FailureReport(abandoned).isEmpty());
}

}  // namespace
}  // namespace frontend
