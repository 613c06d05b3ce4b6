#include "frontend/calculator_run/calculator_files.h"

#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>

#include "frontend/calculator_run/private_directory.h"
#include "frontend/calculator_run/run_numbers.h"

namespace frontend {
namespace {

void Touch(const QString& path, const QByteArray& bytes = {}) {
  QFile file(path);
  ASSERT_TRUE(file.open(QIODevice::WriteOnly)) << path.toStdString();
  file.write(bytes);
}

QByteArray Contents(const QString& path) {
  QFile file(path);
  return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

mode_t ModeOf(const QString& path) {
  struct stat status {};
  EXPECT_EQ(::lstat(QFile::encodeName(path).constData(), &status), 0);
  return status.st_mode & 07777;
}

TEST(RunNumber, SkipsNumbersWhoseExecutableExists) {
  QTemporaryDir base;
  const QString directory = base.path() + QLatin1Char('/');
  int lock = -1;
  // A parameter file left alone by an earlier run does not hold a number.
  Touch(directory + "~moon1.in");
  EXPECT_EQ(ChooseRunNumber(directory, &lock), 1);
  ReleaseRun(lock);
  ASSERT_TRUE(QFile::remove(directory + "~moon1.exe"));

  Touch(directory + "~moon1.exe");
  Touch(directory + "~moon2.exe");
  const CalculatorFiles files = NameCalculatorFiles(directory, ChooseRunNumber(directory, &lock));
  EXPECT_EQ(files.runNumber, 3);
  EXPECT_EQ(files.executablePath, directory + "~moon3.exe");
  EXPECT_EQ(files.scriptPath, directory + "~moon3.bat");
  EXPECT_EQ(files.flagPath, directory + "~moon3.fla");
  EXPECT_EQ(files.parameterPath, directory + "~moon3.in");
  EXPECT_EQ(files.outputPath, directory + "~moon3.out");
}

// Two copies of the program starting together: the second must not take the
// first one's number in the time before the first writes its calculator.
TEST(RunNumber, IsReservedAsSoonAsChosen) {
  QTemporaryDir base;
  const QString directory = base.path() + QLatin1Char('/');
  int first = -1;
  int second = -1;
  EXPECT_EQ(ChooseRunNumber(directory, &first), 1);
  EXPECT_EQ(ChooseRunNumber(directory, &second), 2);
  ReleaseRun(first);
  ReleaseRun(second);
}

// The script and the executable as the shell really runs them, in a directory
// whose name needs quoting and is too long for the calculator's argument,
// which it cuts at 80 characters.
TEST(Script, RunsTheCalculatorWithTheParameterFileThenWritesTheFlag) {
  QTemporaryDir base;
  const QString directory =
      base.path() + QStringLiteral("/two words $HOME `x` \"q\" and enough more to pass 80/");
  ASSERT_TRUE(QDir().mkpath(directory));
  const CalculatorFiles files = NameCalculatorFiles(directory, 1);

  const QStringList lines = ScriptLines(files);
  ASSERT_EQ(lines.size(), 2);
  EXPECT_TRUE(lines[1].startsWith(QStringLiteral("echo $? > \"")));

  // Stand-in calculator: copies the first line of the file its one argument
  // names, as the argument cut to 80 characters reaches it, into the output.
  Touch(files.executablePath, "stale");
  Touch(files.parameterPath, "Autocreated\r\n");
  ASSERT_TRUE(WriteExecutable(files,
                              "#!/bin/sh\n"
                              "name=$(printf '%s' \"$1\" | cut -c1-80)\n"
                              "printf '%s|' \"$#\" > \"${name%.in}.out\"\n"
                              "head -n 1 \"$name\" >> \"${name%.in}.out\"\n"));
  ASSERT_TRUE(WriteScript(files));
  EXPECT_EQ(ModeOf(files.executablePath), 0700u);
  EXPECT_FALSE(Contents(files.scriptPath).contains('\r'));

  // Run as the progress dialog runs it: inside the directory.
  QProcess shell;
  shell.setWorkingDirectory(directory);
  shell.start(QStringLiteral("/bin/sh"), {files.scriptPath});
  ASSERT_TRUE(shell.waitForFinished());
  EXPECT_EQ(shell.exitCode(), 0);
  EXPECT_TRUE(QFile::exists(files.flagPath));
  EXPECT_EQ(Contents(files.outputPath), "1|Autocreated\r\n");
}

void MakeRunnable(const QString& path, const QByteArray& script) {
  Touch(path, script);
  ASSERT_EQ(::chmod(QFile::encodeName(path).constData(), 0755), 0);
}

// A path past 255 characters: cut there, it would name "<directory>/<part of
// the name>", a program anyone could have put there.
TEST(Script, RunsTheExecutableByItsWholePath) {
  QTemporaryDir base;
  const QString directory = base.path() + QLatin1Char('/') + QString(200, 'a') + QLatin1Char('/') +
                            QString(100, 'b') + '/';
  ASSERT_TRUE(QDir().mkpath(directory));
  const CalculatorFiles files = NameCalculatorFiles(directory, 1);
  ASSERT_GT(files.executablePath.size(), 255);
  const QString decoy = files.executablePath.left(255);
  MakeRunnable(decoy, "#!/bin/sh\necho decoy > \"$PWD/ran\"\n");
  MakeRunnable(files.executablePath, "#!/bin/sh\necho calculator > \"$PWD/ran\"\n");
  ASSERT_TRUE(WriteScript(files));

  QProcess shell;
  shell.setWorkingDirectory(directory);
  shell.start(QStringLiteral("/bin/sh"), {files.scriptPath});
  ASSERT_TRUE(shell.waitForFinished());
  EXPECT_EQ(Contents(directory + "ran"), "calculator\n");
}

TEST(PrivateDirectory, IsCreatedForTheOwnerAlone) {
  QTemporaryDir base;
  const QString path = EnsurePrivateDirectory(base.path(), QStringLiteral("calc"), nullptr);
  EXPECT_EQ(path, base.path() + QStringLiteral("/calc/"));
  EXPECT_EQ(ModeOf(path), 0700u);

  // Ours already but opened up: taken back to the owner alone.
  ASSERT_EQ(::chmod(QFile::encodeName(path).constData(), 0777), 0);
  EXPECT_EQ(EnsurePrivateDirectory(base.path(), QStringLiteral("calc"), nullptr), path);
  EXPECT_EQ(ModeOf(path), 0700u);
}

TEST(PrivateDirectory, RefusesASymlinkOrAFileInItsPlace) {
  QTemporaryDir base;
  const QString elsewhere = base.path() + QStringLiteral("/elsewhere");
  ASSERT_TRUE(QDir().mkdir(elsewhere));
  ASSERT_TRUE(QFile::link(elsewhere, base.path() + QStringLiteral("/planted")));
  QString error;
  EXPECT_EQ(EnsurePrivateDirectory(base.path(), QStringLiteral("planted"), &error), QString());
  EXPECT_FALSE(error.isEmpty());

  Touch(base.path() + QStringLiteral("/plain"));
  EXPECT_EQ(EnsurePrivateDirectory(base.path(), QStringLiteral("plain"), nullptr), QString());

  EXPECT_EQ(EnsurePrivateDirectory(base.path() + QStringLiteral("/missing/deeper"),
                                   QStringLiteral("calc"), nullptr),
            QString());
}

// The directory existed, open to everyone: what others put there is removed,
// through their links nothing is touched, and our own files stay.
TEST(PrivateDirectory, RemovesWhatOthersPutThere) {
  QTemporaryDir base;
  const QString path = base.path() + QStringLiteral("/calc/");
  const QString victim = base.path() + QStringLiteral("/victim");
  Touch(victim, "the user's own file");
  ASSERT_TRUE(QDir().mkpath(path + "planted directory"));
  ASSERT_EQ(::chmod(QFile::encodeName(path).constData(), 0777), 0);
  ASSERT_TRUE(QFile::link(victim, path + "~moon2.bat"));
  ASSERT_TRUE(QFile::link(victim, path + "~moon2.in"));
  ASSERT_EQ(::link(QFile::encodeName(victim).constData(),
                   QFile::encodeName(path + "~moon2.out").constData()),
            0);
  Touch(path + "~moon3.exe", "ours");
  // Root can arrange the file of another user (65534: nobody).
  const bool asRoot = ::geteuid() == 0;
  if (asRoot) {
    Touch(path + "~moon1.exe", "#!/bin/sh\n");
    ASSERT_EQ(::chown(QFile::encodeName(path + "~moon1.exe").constData(), 65534, 65534), 0);
  }

  EXPECT_EQ(EnsurePrivateDirectory(base.path(), QStringLiteral("calc"), nullptr), path);
  EXPECT_EQ(ModeOf(path), 0700u);
  EXPECT_EQ(QDir(path).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::System),
            QStringList{"~moon3.exe"});
  EXPECT_EQ(Contents(victim), "the user's own file");
}

TEST(CleanUp, DeletesTheFiveFilesAndTheEmptiedDirectory) {
  QTemporaryDir base;
  const QString directory = base.path() + QStringLiteral("/calc/");
  ASSERT_TRUE(QDir().mkpath(directory));
  CalculatorFiles files = NameCalculatorFiles(directory, 1);
  for (const QString& path : {files.executablePath, files.scriptPath, files.flagPath,
                              files.parameterPath, files.outputPath}) {
    Touch(path);
  }
  RemoveCalculatorFiles(files);
  EXPECT_FALSE(QDir(directory).exists());
}

}  // namespace
}  // namespace frontend
