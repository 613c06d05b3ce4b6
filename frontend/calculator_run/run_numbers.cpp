#include "frontend/calculator_run/run_numbers.h"

#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <QDir>
#include <QFile>
#include <QRegularExpression>
#include <set>

#include "frontend/calculator_run/calculator_files.h"

namespace frontend {
namespace {

// Far beyond any number of copies one user runs at once; ends the search when
// every name is somehow taken.
constexpr int32_t kLastRunNumber = 100000;

QByteArray ExecutableOf(const QString& directory, int32_t runNumber) {
  return QFile::encodeName(NameCalculatorFiles(directory, runNumber).executablePath);
}

int CreateExclusively(const QByteArray& path) {
  return ::open(path.constData(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0700);
}

// A lock is taken on an open file, but the name may have been removed, or
// given to a new file, in the meantime; only a lock on the file that still
// bears the name counts.
bool StillNamed(const QByteArray& path, int descriptor) {
  struct stat named {};
  struct stat open {};
  return ::lstat(path.constData(), &named) == 0 && ::fstat(descriptor, &open) == 0 &&
         named.st_dev == open.st_dev && named.st_ino == open.st_ino;
}

// A read-only descriptor with a shared lock on the freshly created
// executable; -1 when a copy reclaiming the directory took the file first.
int HoldRun(const QByteArray& executable) {
  const int lock = ::open(executable.constData(), O_RDONLY | O_NOFOLLOW | O_CLOEXEC);
  if (lock < 0) return -1;
  if (::flock(lock, LOCK_SH | LOCK_NB) == 0 && StillNamed(executable, lock)) return lock;
  ::close(lock);
  return -1;
}

// An exclusive lock on the run's executable, which proves that no program
// holds the run; the executable is created for the purpose when only the
// run's other files are left. -1 when a living copy holds the run.
int TakeAbandonedRun(const QByteArray& executable) {
  int lock = ::open(executable.constData(), O_RDONLY | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC);
  if (lock < 0 && errno == ENOENT) lock = CreateExclusively(executable);
  if (lock < 0) return -1;
  if (::flock(lock, LOCK_EX | LOCK_NB) == 0 && StillNamed(executable, lock)) return lock;
  ::close(lock);
  return -1;
}

// The run numbers that any file of a run in `directory` carries: the birth
// calculation's five and the lunar calendar's four.
std::set<int32_t> RunNumbersPresent(const QString& directory) {
  static const QRegularExpression runFile(
      QStringLiteral("^~(?:moon|luna)([1-9][0-9]{0,5})\\.(exe|bat|fla|in|out)$"));
  std::set<int32_t> numbers;
  const QStringList names =
      QDir(directory).entryList(QDir::AllEntries | QDir::Hidden | QDir::System);
  for (const QString& name : names) {
    const QRegularExpressionMatch match = runFile.match(name);
    if (match.hasMatch()) numbers.insert(match.captured(1).toInt());
  }
  return numbers;
}

}  // namespace

int32_t ChooseRunNumber(const QString& directory, int* lock) {
  for (int32_t runNumber = 1; runNumber <= kLastRunNumber; ++runNumber) {
    const QByteArray executable = ExecutableOf(directory, runNumber);
    const int created = CreateExclusively(executable);
    if (created < 0) {
      if (errno == EEXIST) continue;
      return 0;
    }
    // Held through a second, read-only descriptor: a file open for writing
    // cannot be run.
    *lock = HoldRun(executable);
    ::close(created);
    if (*lock >= 0) return runNumber;
  }
  errno = EEXIST;
  return 0;
}

void ReclaimAbandonedRuns(const QString& directory) {
  for (const int32_t runNumber : RunNumbersPresent(directory)) {
    const int lock = TakeAbandonedRun(ExecutableOf(directory, runNumber));
    if (lock < 0) continue;
    CalculatorFiles files = NameCalculatorFiles(directory, runNumber);
    RemoveFilesBesideExecutable(files);
    QFile::remove(files.executablePath);
    ReleaseRun(lock);
  }
}

void ReleaseRun(int lock) {
  if (lock >= 0) ::close(lock);
}

}  // namespace frontend
