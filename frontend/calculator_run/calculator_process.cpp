#include "frontend/calculator_run/calculator_process.h"

#include <sys/prctl.h>
#include <sys/wait.h>
#include <unistd.h>

#include <csignal>

namespace frontend {

namespace {

// How long the shell gets to end after SIGTERM before SIGKILL, in ms.
constexpr int kTerminateGraceMs = 1000;

// Orphans of the session come to us rather than to the system's first
// process, which may never collect them, so that Stop() can wait for the
// calculator itself and not only for its shell.
void CollectOrphans() {
  ::prctl(PR_SET_CHILD_SUBREAPER, 1);
}

// Kills what is left of `group` once its shell has been collected (a
// calculator that outlived its shell is our child then, see CollectOrphans)
// and collects it, so that nothing of an old run can write a table later.
void EndRestOfGroup(pid_t group) {
  if (group <= 0) return;
  ::kill(-group, SIGKILL);
  siginfo_t info{};
  while (::waitid(P_PGID, static_cast<id_t>(group), &info, WEXITED) == 0) {
  }
}

}  // namespace

CalculatorProcess::CalculatorProcess(QObject* parent) : QObject(parent) {
  process_.setProgram(QStringLiteral("/bin/sh"));
  process_.setProcessChannelMode(QProcess::MergedChannels);
  process_.setStandardInputFile(QProcess::nullDevice());
  connect(&process_, &QProcess::readyReadStandardOutput, this, &CalculatorProcess::ReadOutput);
  connect(&process_, &QProcess::finished, this, &CalculatorProcess::OnFinished);
}

CalculatorProcess::~CalculatorProcess() {
  Stop();
}

bool CalculatorProcess::Start(const QString& scriptPath, const QString& directory, int runLock) {
  Stop();
  CollectOrphans();
  output_.clear();
  processGroup_ = 0;
  const pid_t starter = ::getpid();
  // Runs in the child between fork and exec: system calls only.
  process_.setChildProcessModifier([starter, runLock] {
    // A session of its own: one signal reaches the shell and the calculator,
    // and without a terminal the calculator's "Bad JDay", which goes to the
    // terminal when there is one, lands in the output read here.
    ::setsid();
    // Killed with us, even by SIGKILL; the calculator does the same for its
    // shell. Had we died already, the signal would never come.
    ::prctl(PR_SET_PDEATHSIG, SIGKILL);
    if (::getppid() != starter) ::_exit(127);
    // A copy without close-on-exec shares the lock: it is held until the
    // last process of the run has ended, whatever became of us.
    if (runLock >= 0) ::dup(runLock);
  });
  process_.setArguments({scriptPath});
  process_.setWorkingDirectory(directory);
  process_.start();
  if (!process_.waitForStarted()) return false;
  processGroup_ = process_.processId();
  return true;
}

void CalculatorProcess::Stop() {
  if (!running()) return;
  const auto group = static_cast<pid_t>(processGroup_);
  // Whatever the process does now, its end is not a result.
  disconnect(&process_, &QProcess::finished, this, &CalculatorProcess::OnFinished);
  if (group > 0) ::kill(-group, SIGTERM);
  if (!process_.waitForFinished(kTerminateGraceMs)) {
    if (group > 0) ::kill(-group, SIGKILL);
    process_.waitForFinished(-1);
  }
  EndRestOfGroup(group);
  connect(&process_, &QProcess::finished, this, &CalculatorProcess::OnFinished);
}

void CalculatorProcess::ReadOutput() {
  const QByteArray bytes = process_.readAllStandardOutput();
  output_ += bytes.left(kMaxOutputBytes - output_.size());
}

void CalculatorProcess::OnFinished(int /*exitCode*/, QProcess::ExitStatus status) {
  ReadOutput();
  EndRestOfGroup(static_cast<pid_t>(processGroup_));
  emit finished(status == QProcess::NormalExit);
}

}  // namespace frontend
