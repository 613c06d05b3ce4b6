#include "frontend/calculator_files.h"

#include <QDir>
#include <QFile>
#include <QSaveFile>

#include "content/tables.h"

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

bool WriteWhole(const QString& path, const QByteArray& bytes, QFile::Permissions permissions) {
  QSaveFile file(path);
  if (!file.open(QIODevice::WriteOnly)) return false;
  if (file.write(bytes) != bytes.size()) {
    file.cancelWriting();
    return false;
  }
  return file.commit() && QFile::setPermissions(path, permissions);
}

}  // namespace

int32_t ChooseRunNumber(const QString& directory) {
  for (int32_t runNumber = 1;; ++runNumber) {
    // Created at once, empty, so that a copy starting at the same moment
    // cannot take the number before the calculator is written there.
    QFile reservation(FileName(directory, runNumber, ".exe"));
    if (reservation.open(QIODevice::WriteOnly | QIODevice::NewOnly)) return runNumber;
    if (!reservation.exists()) return runNumber;  // nothing can be written here
  }
}

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

QStringList ScriptLines(const CalculatorFiles& files) {
  // The calculator keeps at most 255 characters of a path.
  const QString executable = files.executablePath.left(255);
  const QString parameters = FileName(files.shortTemporaryDirectory, files.runNumber, ".in");
  return {Quoted(executable) + QLatin1Char(' ') + Quoted(parameters),
          QStringLiteral("echo ready > ") + Quoted(files.flagPath)};
}

bool WriteScript(const CalculatorFiles& files) {
  QByteArray text;
  for (const QString& line : ScriptLines(files)) text += QFile::encodeName(line) + '\n';
  return WriteWhole(files.scriptPath, text, QFile::ReadOwner | QFile::WriteOwner);
}

bool WriteExecutable(const CalculatorFiles& files, const QByteArray& program) {
  return WriteWhole(files.executablePath, program,
                    QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
}

void RemoveCalculatorFiles(const CalculatorFiles& files) {
  if (!files.usable()) return;
  for (const QString* path : {&files.executablePath, &files.scriptPath, &files.flagPath,
                              &files.parameterPath, &files.outputPath}) {
    QFile::remove(*path);
  }
  // rmdir refuses a directory that still holds files (another instance's).
  QDir().rmdir(files.temporaryDirectory);
}

}  // namespace frontend
