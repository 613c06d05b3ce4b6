#include "frontend/calculator_run/calculator_setup.h"

#include <cerrno>

#include <QDir>
#include <QFileInfo>
#include <QStringList>

#include "frontend/calculator_run/calculator_paths.h"
#include "frontend/calculator_run/calculator_trial_run.h"
#include "frontend/calculator_run/run_numbers.h"
#include "frontend/calculator_run/system_error_text.h"

namespace frontend {
namespace {

QString Failed(const QString& what) {
  return what + QStringLiteral(": ") + SystemErrorText(errno);
}

// Checked before anything is created, on run number 1: the shortest names.
QString PathProblem(const DirectoryCandidate& candidate) {
  if (!candidate.refusal.isEmpty()) return candidate.refusal;
  return CalculatorPathProblem(NameCalculatorFiles(candidate.path(), 1));
}

QString MakeBase(const DirectoryCandidate& candidate) {
  if (QDir().mkpath(candidate.base)) return {};
  return QStringLiteral("не удалось создать каталог «%1»").arg(candidate.base);
}

CalculatorFiles ReserveRun(const QString& directory, QString* problem) {
  int lock = -1;
  const int32_t runNumber = ChooseRunNumber(directory, &lock);
  if (runNumber == 0) {
    *problem = Failed(QStringLiteral("не удалось создать файл калькулятора"));
    return {};
  }
  CalculatorFiles files = NameCalculatorFiles(directory, runNumber);
  files.runLock = lock;
  return files;
}

// The steps after the run number is held; each one's fault ends the attempt.
QString FillRun(const CalculatorFiles& files, const QByteArray& program) {
  // A longer run number may have made the paths too long after all.
  if (QString problem = CalculatorPathProblem(files); !problem.isEmpty()) return problem;
  // Nothing of an earlier program's run of this number is reused.
  RemoveFilesBesideExecutable(files);
  if (!WriteExecutable(files, program)) {
    return Failed(QStringLiteral("не удалось записать калькулятор"));
  }
  if (QString problem = CalculatorTrialRunProblem(files); !problem.isEmpty()) return problem;
  if (!WriteScript(files)) return Failed(QStringLiteral("не удалось записать сценарий запуска"));
  return {};
}

CalculatorFiles SetUpIn(const DirectoryCandidate& candidate, const QByteArray& program,
                        QString* problem) {
  *problem = PathProblem(candidate);
  if (problem->isEmpty()) *problem = MakeBase(candidate);
  if (!problem->isEmpty()) return {};
  const QString directory = EnsurePrivateDirectory(candidate.base, candidate.name, problem);
  if (directory.isEmpty()) return {};
  ReclaimAbandonedRuns(directory);
  CalculatorFiles files = ReserveRun(directory, problem);
  if (!files.usable()) {
    QDir().rmdir(directory);
    return {};
  }
  *problem = FillRun(files, program);
  if (problem->isEmpty()) return files;
  RemoveCalculatorFiles(files);  // partial files too: a full disk stays as it was
  return {};
}

QString NoDirectoryReason(const QStringList& problems) {
  if (problems.isEmpty()) {
    return QStringLiteral("Лунный калькулятор не запущен: не найден каталог для его файлов.");
  }
  return QStringLiteral(
             "Лунный калькулятор не запущен: ни один каталог для его файлов не подошел. ") +
         problems.join(QStringLiteral("; ")) + QLatin1Char('.');
}

// A path as the user can read it in a message: line ends shown, not obeyed.
QString Displayed(const QString& path) {
  QString shown = path;
  shown.replace(QLatin1Char('\r'), QStringLiteral("\\r"));
  shown.replace(QLatin1Char('\n'), QStringLiteral("\\n"));
  shown.replace(QChar(0x1A), QStringLiteral("\\x1A"));
  return shown;
}

bool IsExistingDirectory(const QString& path) {
  const QFileInfo info(path);
  return info.isDir() && !info.isSymLink();
}

}  // namespace

CalculatorFiles SetUpCalculatorFiles(const std::vector<DirectoryCandidate>& candidates,
                                     const QByteArray& program) {
  QStringList problems;
  for (const DirectoryCandidate& candidate : candidates) {
    QString problem;
    CalculatorFiles files = SetUpIn(candidate, program, &problem);
    if (files.usable()) return files;
    problems << QStringLiteral("«%1»: %2").arg(Displayed(candidate.path()), problem);
  }
  CalculatorFiles none;
  none.unusableReason = NoDirectoryReason(problems);
  return none;
}

void ReclaimAbandonedRunsEverywhere(const std::vector<DirectoryCandidate>& candidates) {
  for (const DirectoryCandidate& candidate : candidates) {
    if (!PathProblem(candidate).isEmpty() || !IsExistingDirectory(candidate.path())) continue;
    const QString directory = EnsurePrivateDirectory(candidate.base, candidate.name, nullptr);
    if (directory.isEmpty()) continue;
    ReclaimAbandonedRuns(directory);
    QDir().rmdir(directory);  // refused while files of a living copy are there
  }
}

}  // namespace frontend
