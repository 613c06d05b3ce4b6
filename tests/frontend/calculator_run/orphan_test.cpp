// A calculator run must not outlive the program that started it, and its
// files must stay taken while any of its processes lives.
#include <gtest/gtest.h>
#include <signal.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QThread>

#include "frontend/calculator_run/calculator_process.h"

namespace {

// Processes of `group` that have not ended (zombies count as ended: whoever
// adopted them may not collect them at once); with `name`, only those of that
// program.
int LivingMembers(qint64 group, const QByteArray& name = {}) {
  int living = 0;
  for (const QString& entry : QDir(QStringLiteral("/proc")).entryList(QDir::Dirs)) {
    QFile stat(QStringLiteral("/proc/%1/stat").arg(entry));
    if (!stat.open(QIODevice::ReadOnly)) continue;
    // "pid (name) state ppid pgrp ...": the name may hold blanks, so fields
    // are counted after its closing parenthesis.
    const QByteArray text = stat.readAll();
    const QList<QByteArray> fields = text.mid(text.lastIndexOf(')') + 2).split(' ');
    const QByteArray program =
        text.mid(text.indexOf('(') + 1, text.lastIndexOf(')') - text.indexOf('(') - 1);
    if (fields.size() > 2 && fields[2].toLongLong() == group && fields[0] != "Z" &&
        (name.isEmpty() || program == name)) {
      ++living;
    }
  }
  return living;
}

// Waits for the group to empty; true when it did within `seconds`.
bool GroupEnds(qint64 group, int seconds) {
  for (int tenth = 0; tenth < seconds * 10; ++tenth) {
    if (LivingMembers(group) == 0) return true;
    QThread::msleep(100);
  }
  return LivingMembers(group) == 0;
}

// A script whose calculator blocks: its parameter file is a pipe nobody writes.
QString BlockingScript(const QTemporaryDir& directory) {
  const QString fifo = directory.filePath(QStringLiteral("blocked.in"));
  EXPECT_EQ(::mkfifo(QFile::encodeName(fifo).constData(), 0600), 0);
  const QString script = directory.filePath(QStringLiteral("run.sh"));
  QFile file(script);
  EXPECT_TRUE(file.open(QIODevice::WriteOnly));
  file.write("\"" MOON_PROGRAM "\" blocked.in\necho $? > run.fla\n");
  return script;
}

bool ExclusivelyLockable(const QString& path) {
  QFile file(path);
  if (!file.open(QIODevice::ReadOnly)) return false;
  return ::flock(file.handle(), LOCK_EX | LOCK_NB) == 0;
}

TEST(OrphanedRun, ShellAndCalculatorEndWhenTheProgramIsKilled) {
  QTemporaryDir directory;
  const QString script = BlockingScript(directory);
  const QString lock = directory.filePath(QStringLiteral("run.exe"));
  QFile(lock).open(QIODevice::WriteOnly);
  QProcess parent;
  parent.start(QStringLiteral(ORPHAN_PARENT), {script, directory.path(), lock});
  ASSERT_TRUE(parent.waitForReadyRead(10'000)) << parent.readAllStandardError().toStdString();
  const qint64 group = parent.readLine().trimmed().toLongLong();
  ASSERT_GT(group, 0);
  // The shell and the calculator, blocked on its pipe: the calculator itself
  // running, not the shell's child on its way to it.
  for (int tenth = 0; tenth < 100 && LivingMembers(group, "moon") < 1; ++tenth) {
    QThread::msleep(100);
  }
  ASSERT_EQ(LivingMembers(group, "moon"), 1);
  ASSERT_EQ(LivingMembers(group), 2);

  ::kill(static_cast<pid_t>(parent.processId()), SIGKILL);
  parent.waitForFinished();
  EXPECT_TRUE(GroupEnds(group, 10)) << LivingMembers(group) << " processes of the run live on";
  ::kill(static_cast<pid_t>(-group), SIGKILL);  // whatever failed the test
}

TEST(OrphanedRun, RunStaysTakenWhileItsProcessesLive) {
  QTemporaryDir directory;
  const QString script = BlockingScript(directory);
  const QString executable = directory.filePath(QStringLiteral("run.exe"));
  QFile(executable).open(QIODevice::WriteOnly);
  frontend::CalculatorProcess calculator;
  {
    QFile held(executable);
    ASSERT_TRUE(held.open(QIODevice::ReadOnly));
    ASSERT_EQ(::flock(held.handle(), LOCK_SH), 0);
    ASSERT_TRUE(calculator.Start(script, directory.path(), held.handle()));
  }
  // Our own descriptor is closed: only the script's processes hold the run now.
  EXPECT_FALSE(ExclusivelyLockable(executable));
  calculator.Stop();
  EXPECT_TRUE(ExclusivelyLockable(executable));
}

}  // namespace
