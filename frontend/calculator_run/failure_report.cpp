#include "frontend/calculator_run/failure_report.h"

namespace frontend {
namespace {

// The calculator's messages for a refused parameter line end this way, after
// "Error in file <name>".
struct LineComplaint {
  std::string_view ending;
  const char* text;
};

constexpr LineComplaint kLineComplaints[] = {
    {": NAME must be defined in line 1", "Калькулятор не принял имя расчета."},
    {": bad DATE defined in line 2", "Калькулятор не принял дату рождения."},
    {": bad TIME defined in line 3", "Калькулятор не принял время рождения."},
    {": bad TIME_ZONE defined in line 4", "Калькулятор не принял разницу с гринвичем."},
    {": bad LATITUDE defined in line 6", "Калькулятор не принял широту."},
    {": bad LONGITUDE defined in line 7", "Калькулятор не принял долготу."},
    {": bad NUMBER_OF_MONTH defined in line 8", "Калькулятор не принял число лунных месяцев."},
    {": bad PROGR_FLAG defined in line 9", "Калькулятор не принял режим расчета."},
    {": OUT_FILE_NAME must be defined in line 10",
     "Калькулятор не получил имя файла для таблицы лунных дней."},
};

// Messages about the parameter file itself, which end in the system's error number.
struct FileComplaint {
  std::string_view start;
  const char* text;  // %1: the error number
};

constexpr FileComplaint kFileComplaints[] = {
    {"Can not open file ", "Калькулятор не смог открыть файл параметров (код ошибки %1)."},
    {"Error read file ", "Калькулятор не смог прочитать файл параметров (код ошибки %1)."},
    {"Error close file ", "Калькулятор не смог закрыть файл параметров (код ошибки %1)."},
};

constexpr std::string_view kErrorCode = ". Error code = ";
constexpr std::string_view kLoaded = "Load parameters from file ";

QString ComplaintOfLine(std::string_view line) {
  for (const LineComplaint& complaint : kLineComplaints) {
    if (line.starts_with("Error in file ") && line.ends_with(complaint.ending)) {
      return QString::fromUtf8(complaint.text);
    }
  }
  for (const FileComplaint& complaint : kFileComplaints) {
    const size_t code = line.rfind(kErrorCode);
    if (line.starts_with(complaint.start) && code != std::string_view::npos) {
      const std::string_view number = line.substr(code + kErrorCode.size());
      return QString::fromUtf8(complaint.text).arg(QString::fromLatin1(number));
    }
  }
  if (line.starts_with("File ") && line.ends_with(" not found.")) {
    return QStringLiteral("Калькулятор не нашел файл параметров.");
  }
  if (line == "Bad JDay") {
    return QStringLiteral("Дата рождения вне диапазона дат, которые может рассчитать калькулятор.");
  }
  if (line.starts_with("Error: the lunar-day search does not converge")) {
    return QStringLiteral("Калькулятор не смог найти начала лунных дней для этих даты и места.");
  }
  return {};
}

// Each line of the output, at CR or LF (the calculator's day counter
// overwrites itself with CRs), without surrounding blanks.
template <typename Visit>
bool AnyLine(std::string_view output, Visit visit) {
  while (!output.empty()) {
    const size_t end = output.find_first_of("\r\n");
    std::string_view line = output.substr(0, end);
    output = end == std::string_view::npos ? std::string_view() : output.substr(end + 1);
    const size_t first = line.find_first_not_of(' ');
    if (first == std::string_view::npos) continue;
    line = line.substr(first, line.find_last_not_of(' ') - first + 1);
    if (visit(line)) return true;
  }
  return false;
}

// What the exit status the shell saw says about a calculator that left no
// table (the shell's conventions: 126 not runnable, 127 not found, 128 + N
// ended by signal N).
QString StatusReason(int status) {
  constexpr int kNotRunnable = 126;
  constexpr int kNotFound = 127;
  constexpr int kSignalBase = 128;
  if (status == kNotRunnable || status == kNotFound) {
    return QStringLiteral(
               "Калькулятор не удалось запустить: оболочка не смогла выполнить его файл (код %1).")
        .arg(status);
  }
  if (status > kSignalBase) {
    return QStringLiteral(
               "Калькулятор был запущен и прерван сигналом %1, не записав таблицу лунных дней.")
        .arg(status - kSignalBase);
  }
  return QStringLiteral(
             "Калькулятор был запущен и завершился с кодом %1, не записав таблицу лунных дней.")
      .arg(status);
}

QString Reason(const RunOutcome& outcome) {
  const QString complaint = CalculatorComplaint(outcome.calculatorOutput);
  switch (outcome.failure) {
    case RunFailure::kNone:
    case RunFailure::kAbandoned:
      return {};
    case RunFailure::kFilesUnusable:
      if (!outcome.detail.isEmpty()) return outcome.detail;
      return QStringLiteral("Нет каталога, из которого можно запустить калькулятор.");
    case RunFailure::kCoordinateOutOfRange:
      return outcome.detail;
    case RunFailure::kParameterFileNotWritten:
      return QStringLiteral("Не удалось записать файл параметров для калькулятора.");
    case RunFailure::kOldFilesRemain:
      return QStringLiteral("Не удалось удалить файлы предыдущего расчета.");
    case RunFailure::kNotStarted:
      return QStringLiteral("Калькулятор не удалось запустить.");
    case RunFailure::kTimedOut:
      return QStringLiteral("Калькулятор не закончил расчет вовремя и был остановлен.");
    case RunFailure::kNoTable: {
      if (!complaint.isEmpty()) return complaint;
      if (outcome.calculatorStatus) return StatusReason(*outcome.calculatorStatus);
      const bool started = AnyLine(outcome.calculatorOutput,
                                   [](std::string_view line) { return line.starts_with(kLoaded); });
      // Without a word from the calculator it never ran: the shell found no
      // program it could start.
      if (!started) return QStringLiteral("Калькулятор не удалось запустить.");
      return QStringLiteral("Калькулятор завершился, не записав таблицу лунных дней.");
    }
    case RunFailure::kNoLunarDay: {
      QString reason = QStringLiteral(
          "В таблице калькулятора нет лунного дня, "
          "на который приходится момент рождения.");
      if (!complaint.isEmpty()) reason += QLatin1Char(' ') + complaint;
      return reason;
    }
  }
  return {};
}

}  // namespace

QString FailureReason(const RunOutcome& outcome) {
  return Reason(outcome);
}

QString FailureReport(const RunOutcome& outcome) {
  const QString reason = Reason(outcome);
  if (reason.isEmpty()) return {};
  return QStringLiteral("Ошибка в приложении\n") + reason;
}

QString CalculatorComplaint(std::string_view consoleOutput) {
  QString complaint;
  AnyLine(consoleOutput, [&complaint](std::string_view line) {
    complaint = ComplaintOfLine(line);
    return !complaint.isEmpty();
  });
  return complaint;
}

QString CoordinateRangeText(CoordinateProblem problem, const CalculatorInput& typed) {
  switch (problem) {
    case CoordinateProblem::kNone:
      break;
    case CoordinateProblem::kLatitude:
      return OutOfRangeText(typed.latitude, CoordinateAxis::kLatitude);
    case CoordinateProblem::kLongitude:
      return OutOfRangeText(typed.longitude, CoordinateAxis::kLongitude);
  }
  return {};
}

}  // namespace frontend
