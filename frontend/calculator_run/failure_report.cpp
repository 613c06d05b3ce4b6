#include "frontend/calculator_run/failure_report.h"

#include "calculator/messages.h"

namespace frontend {
namespace {

// What the calculator refused, by parameter line (1..10).
constexpr const char* kRefusedLine[moon::kParameterLineCount] = {
    "Калькулятор не принял имя расчета.",
    "Калькулятор не принял дату рождения.",
    "Калькулятор не принял время рождения.",
    "Калькулятор не принял разницу с Гринвичем.",
    nullptr,
    "Калькулятор не принял широту.",
    "Калькулятор не принял долготу.",
    "Калькулятор не принял число лунных месяцев.",
    "Калькулятор не принял режим расчета.",
    "Калькулятор не получил имя файла для таблицы лунных дней.",
};

// Messages about the parameter file itself, which end in the system's error number.
struct FileComplaint {
  std::string_view start;
  const char* text;  // %1: the error number
};

constexpr FileComplaint kFileComplaints[] = {
    {moon::kCannotOpenPrefix, "Калькулятор не смог открыть файл параметров (код ошибки %1)."},
    {moon::kCannotReadPrefix, "Калькулятор не смог прочитать файл параметров (код ошибки %1)."},
    {moon::kCannotClosePrefix, "Калькулятор не смог закрыть файл параметров (код ошибки %1)."},
};

QString OutOfRangeText() {
  return QStringLiteral("Дата рождения вне диапазона дат, которые может рассчитать калькулятор.");
}

QString NotConvergingText() {
  return QStringLiteral("Калькулятор не смог найти начала лунных дней для этих даты и места.");
}

QString ComplaintOfLine(std::string_view line) {
  if (line.starts_with(moon::kLineErrorPrefix)) {
    for (int number = 1; number <= moon::kParameterLineCount; ++number) {
      const std::string_view complaint = moon::LineComplaint(number);
      if (!complaint.empty() && line.ends_with(complaint) &&
          line.substr(0, line.size() - complaint.size()).ends_with(moon::kLineErrorInfix)) {
        return QString::fromUtf8(kRefusedLine[number - 1]);
      }
    }
  }
  for (const FileComplaint& complaint : kFileComplaints) {
    const size_t code = line.rfind(moon::kErrorCodeInfix);
    if (line.starts_with(complaint.start) && code != std::string_view::npos) {
      const std::string_view number = line.substr(code + moon::kErrorCodeInfix.size());
      return QString::fromUtf8(complaint.text).arg(QString::fromLatin1(number));
    }
  }
  if (line.starts_with(moon::kNotFoundPrefix) && line.ends_with(moon::kNotFoundSuffix)) {
    return QStringLiteral("Калькулятор не нашел файл параметров.");
  }
  if (line == moon::kBadJulianDayMessage) return OutOfRangeText();
  if (line.starts_with(moon::kNotConvergingMessage)) return NotConvergingText();
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

// Exit statuses of the shell for a program it could not start: found but
// not executable, or not found.
constexpr int kShellCannotExecute = 126;
constexpr int kShellNotFound = 127;
// Above this, the shell reports a program ended by signal (status − 128).
constexpr int kShellSignalBase = 128;

// Why the script ended without a table, from the calculator's exit status.
QString NoTableReason(const RunOutcome& outcome, const QString& complaint) {
  const std::optional<int> status = outcome.calculatorExitStatus;
  if (!status) {
    return QStringLiteral("Калькулятор был прерван, не записав таблицу лунных дней.");
  }
  switch (*status) {
    case kShellCannotExecute:
    case kShellNotFound:
      return QStringLiteral("Калькулятор не удалось запустить (код %1).").arg(*status);
    case moon::kBadJulianDayExitCode:
      return OutOfRangeText();
    case moon::kNotConvergingExitCode:
      return NotConvergingText();
    case moon::kParameterErrorExitCode:
      if (!complaint.isEmpty()) return complaint;
      return QStringLiteral("Калькулятор не принял файл параметров.");
    default:
      break;
  }
  if (*status > kShellSignalBase) {
    return QStringLiteral("Калькулятор был остановлен сигналом %1, не записав таблицу лунных дней.")
        .arg(*status - kShellSignalBase);
  }
  return QStringLiteral("Калькулятор завершился с кодом %1, не записав таблицу лунных дней.")
      .arg(*status);
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
    case RunFailure::kNoTable:
      return NoTableReason(outcome, complaint);
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
