#include "frontend/calculator_run/calculator_run.h"

#include <QEventLoop>
#include <QFile>
#include <QFileInfo>
#include <QTimer>
#include <optional>
#include <utility>

#include "content/tables.h"
#include "frontend/calculator_run/calculator_files.h"

namespace frontend {

namespace {

// Deletes a file an earlier run left; false when it is still there.
bool RemoveOld(const QString& path) {
  return QFile::remove(path) || !QFileInfo(path).exists();
}

// The exit status the script wrote into the flag file.
std::optional<int> ReadExitStatus(const QString& flagPath) {
  QFile flag(flagPath);
  if (!flag.open(QIODevice::ReadOnly)) return std::nullopt;
  bool number = false;
  const int status = flag.readAll().trimmed().toInt(&number);
  if (!number) return std::nullopt;
  return status;
}

std::optional<std::vector<std::string>> ReadTable(const QString& path) {
  QFile table(path);
  if (!table.open(QIODevice::ReadOnly)) return std::nullopt;
  const QByteArray bytes = table.readAll();
  if (table.error() != QFileDevice::NoError) return std::nullopt;
  return content::CutLines(std::string_view(bytes.constData(), bytes.size()));
}

}  // namespace

CalculatorRun::CalculatorRun(QObject* parent) : QObject(parent) {
  limitTimer_ = new QTimer(this);
  limitTimer_->setSingleShot(true);
  limitTimer_->setTimerType(Qt::PreciseTimer);
  connect(limitTimer_, &QTimer::timeout, this, &CalculatorRun::WaitLimitReached);
  connect(&calculator_, &CalculatorProcess::finished, this, &CalculatorRun::ScriptFinished);
}

void CalculatorRun::Start(const CalculatorFiles* files, std::chrono::milliseconds limit) {
  Stop();
  files_ = files;
  clock_.invalidate();
  if (files_ == nullptr || !files_->usable()) {
    End(FailedRun(RunFailure::kFilesUnusable,
                  files_ != nullptr ? files_->unusableReason : QString()));
    return;
  }
  // Files of the previous run must not be mistaken for this run's; the
  // processes that could still write them are gone by now.
  if (!RemoveOld(files_->flagPath) || !RemoveOld(files_->outputPath)) {
    End(FailedRun(RunFailure::kOldFilesRemain));
    return;
  }
  if (!calculator_.Start(files_->scriptPath, files_->temporaryDirectory, files_->runLock)) {
    End(FailedRun(RunFailure::kNotStarted));
    return;
  }
  clock_.start();
  limitTimer_->start(limit);
}

void CalculatorRun::Stop() {
  limitTimer_->stop();
  calculator_.Stop();
}

void CalculatorRun::ScriptFinished(bool normally) {
  limitTimer_->stop();
  RunOutcome outcome;
  outcome.calculatorOutput = calculator_.output().toStdString();
  // The script writes the flag after the calculator has ended, so only a
  // script that ran to its end with the flag written leaves a whole table.
  if (normally && QFileInfo::exists(files_->flagPath)) {
    outcome.calculatorExitStatus = ReadExitStatus(files_->flagPath);
    if (auto table = ReadTable(files_->outputPath)) {
      outcome.table = std::move(*table);
      End(std::move(outcome));
      return;
    }
  }
  outcome.failure = RunFailure::kNoTable;
  End(std::move(outcome));
}

void CalculatorRun::WaitLimitReached() {
  calculator_.Stop();
  RunOutcome outcome = FailedRun(RunFailure::kTimedOut);
  outcome.calculatorOutput = calculator_.output().toStdString();
  End(std::move(outcome));
}

void CalculatorRun::End(RunOutcome outcome) {
  emit ended(outcome);
}

RunOutcome RunCalculatorAndWait(const CalculatorFiles& files, std::chrono::milliseconds limit) {
  CalculatorRun run;
  std::optional<RunOutcome> result;
  QEventLoop loop;
  QObject::connect(&run, &CalculatorRun::ended, &loop, [&](const RunOutcome& outcome) {
    result = outcome;
    loop.quit();
  });
  run.Start(&files, limit);
  if (!result) loop.exec();
  if (!result) {
    // The loop was left from outside (the program is ending).
    run.Stop();
    return FailedRun(RunFailure::kAbandoned);
  }
  return *result;
}

}  // namespace frontend
