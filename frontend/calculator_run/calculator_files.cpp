#include "frontend/calculator_run/calculator_files.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

#include "content/tables.h"
#include "frontend/calculator_run/run_numbers.h"
#include "frontend/lunar_calendar/calendar_run_files.h"

namespace frontend {
namespace {

QString FileName(const QString& directory, int32_t runNumber, const char* extension) {
  return directory + QStringLiteral("~moon") + QString::number(runNumber) +
         QLatin1String(extension);
}

// Double quotes for /bin/sh; characters the shell would still expand inside
// them are escaped.
QString Quoted(const QString& path) {
  QString escaped;
  for (const QChar c : path) {
    if (c == QLatin1Char('"') || c == QLatin1Char('\\') || c == QLatin1Char('$') ||
        c == QLatin1Char('`')) {
      escaped += QLatin1Char('\\');
    }
    escaped += c;
  }
  return QLatin1Char('"') + escaped + QLatin1Char('"');
}

// Writes all of `bytes` to `descriptor`, which it closes. False with errno set
// when anything fails.
bool WriteAllAndClose(int descriptor, const QByteArray& bytes) {
  qsizetype done = 0;
  while (done < bytes.size()) {
    const ssize_t written =
        ::write(descriptor, bytes.constData() + done, static_cast<size_t>(bytes.size() - done));
    if (written < 0 && errno == EINTR) continue;
    if (written <= 0) {
      const int error = written < 0 ? errno : EIO;
      ::close(descriptor);
      errno = error;
      return false;
    }
    done += written;
  }
  // close() reports a write that the file system could not keep after all.
  return ::close(descriptor) == 0;
}

// A regular file of ours, open on `descriptor`; anything else planted under
// the name is refused.
bool IsOwnRegularFile(int descriptor) {
  struct stat status {};
  if (::fstat(descriptor, &status) != 0) return false;
  if (S_ISREG(status.st_mode) && status.st_uid == ::geteuid()) return true;
  errno = EPERM;
  return false;
}

}  // namespace

CalculatorFiles NameCalculatorFiles(const QString& directory, int32_t runNumber) {
  CalculatorFiles files;
  files.temporaryDirectory = directory;
  files.executablePath = FileName(directory, runNumber, ".exe");
  files.scriptPath = FileName(directory, runNumber, ".bat");
  files.flagPath = FileName(directory, runNumber, ".fla");
  files.parameterPath = FileName(directory, runNumber, ".in");
  files.outputPath = FileName(directory, runNumber, ".out");
  files.shortTemporaryDirectory = QString();
  files.runNumber = runNumber;
  return files;
}

QString ParameterArgument(const CalculatorFiles& files) {
  return files.shortTemporaryDirectory + QFileInfo(files.parameterPath).fileName();
}

QStringList ScriptLines(const CalculatorFiles& files) {
  return {Quoted(files.executablePath) + QLatin1Char(' ') + Quoted(ParameterArgument(files)),
          // The flag file holds the calculator's exit status.
          QStringLiteral("echo $? > ") + Quoted(files.flagPath)};
}

bool WriteScript(const CalculatorFiles& files) {
  QByteArray text;
  for (const QString& line : ScriptLines(files)) text += QFile::encodeName(line) + '\n';
  const QByteArray path = QFile::encodeName(files.scriptPath);
  if (::unlink(path.constData()) != 0 && errno != ENOENT) return false;
  const int script =
      ::open(path.constData(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0600);
  return script >= 0 && WriteAllAndClose(script, text);
}

bool WriteExecutable(const CalculatorFiles& files, const QByteArray& program) {
  // O_NONBLOCK: a planted FIFO must not hang the start-up before it is refused.
  const int executable =
      ::open(QFile::encodeName(files.executablePath).constData(),
             O_WRONLY | O_CREAT | O_TRUNC | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC, 0700);
  if (executable < 0) return false;
  if (!IsOwnRegularFile(executable) || ::fchmod(executable, 0700) != 0) {
    const int error = errno;
    ::close(executable);
    errno = error;
    return false;
  }
  return WriteAllAndClose(executable, program);
}

void RemoveFilesBesideExecutable(const CalculatorFiles& files) {
  for (const QString* path :
       {&files.scriptPath, &files.flagPath, &files.parameterPath, &files.outputPath}) {
    QFile::remove(*path);
  }
  RemoveCalendarRunFiles(files);
}

void RemoveCalculatorFiles(CalculatorFiles& files) {
  if (!files.usable()) return;
  RemoveFilesBesideExecutable(files);
  QFile::remove(files.executablePath);
  ReleaseRun(files.runLock);
  files.runLock = -1;
  // rmdir refuses a directory that still holds files (another instance's).
  QDir().rmdir(files.temporaryDirectory);
}

bool WriteParameterFile(const CalculatorFiles& files, const CalculatorInput& input,
                        int32_t lunations) {
  const std::string text =
      ParameterFileText(input, QFile::encodeName(files.outputPath).toStdString(), lunations);
  QSaveFile file(files.parameterPath);
  if (!file.open(QIODevice::WriteOnly)) return false;
  file.write(text.data(), static_cast<qint64>(text.size()));
  return file.commit();
}

}  // namespace frontend
