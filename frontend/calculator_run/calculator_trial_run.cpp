#include "frontend/calculator_run/calculator_trial_run.h"

#include <QFile>
#include <QProcess>

#include "frontend/calculator_run/calculator_files.h"

namespace frontend {
namespace {

// The calculator's exit code after any parameter-file error.
constexpr int kParameterErrorExitCode = 100;

// The calculator answers a missing file at once; this much time, in
// milliseconds, is allowed for a machine under heavy load.
constexpr int kTrialRunLimitMs = 10'000;

}  // namespace

QString CalculatorTrialRunProblem(const CalculatorFiles& files) {
  QProcess calculator;
  calculator.setWorkingDirectory(files.temporaryDirectory);
  calculator.setStandardInputFile(QProcess::nullDevice());
  calculator.setProcessChannelMode(QProcess::MergedChannels);
  // The parameter file has not been written yet: the calculator must say so.
  const QString missing = ParameterArgument(files);
  calculator.start(files.executablePath, {missing});
  if (!calculator.waitForStarted(kTrialRunLimitMs)) {
    return QStringLiteral(
        "калькулятор не запускается (возможно, запуск программ в этом каталоге запрещен)");
  }
  if (!calculator.waitForFinished(kTrialRunLimitMs)) {
    calculator.kill();
    calculator.waitForFinished();
    return QStringLiteral("калькулятор не ответил на пробный запуск");
  }
  const QByteArray expected = "File " + QFile::encodeName(missing) + " not found.";
  const bool answered = calculator.exitStatus() == QProcess::NormalExit &&
                        calculator.exitCode() == kParameterErrorExitCode &&
                        calculator.readAll().split('\n').contains(expected);
  if (answered) return {};
  return QStringLiteral("калькулятор не работает: пробный запуск дал не тот ответ");
}

}  // namespace frontend
