// Start-up preparation with the real calculator: which directory is used when
// some cannot be, what another user or a killed program left behind, and the
// reason given when no directory serves.
#include "frontend/calculator_run/calculator_setup.h"

#include <gtest/gtest.h>
#include <sys/file.h>
#include <sys/resource.h>
#include <unistd.h>

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <csignal>

#include "frontend/calculator_run/run_numbers.h"

namespace frontend {
namespace {

QByteArray MoonProgram() {
  QFile file(QStringLiteral(MOON_PROGRAM));
  return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

QByteArray Contents(const QString& path) {
  QFile file(path);
  return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

void Write(const QString& path, const QByteArray& bytes) {
  QFile file(path);
  ASSERT_TRUE(file.open(QIODevice::WriteOnly)) << path.toStdString();
  file.write(bytes);
}

std::vector<DirectoryCandidate> InBases(const QStringList& bases) {
  std::vector<DirectoryCandidate> candidates;
  for (const QString& base : bases) candidates.push_back({base, QStringLiteral("velunor")});
  return candidates;
}

QStringList EntriesOf(const QString& directory) {
  return QDir(directory).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::System,
                                   QDir::Name);
}

// A base directory whose private directory's ".out" path, with run number 1,
// is `outputBytes` long.
QString BaseForOutputPathOf(const QTemporaryDir& root, int outputBytes) {
  const QString tail = QStringLiteral("/velunor/~moon1.out");
  const int padding = outputBytes - int(root.path().size()) - 1 - int(tail.size());
  // Components stay under the 255-byte limit of one name.
  QString base = root.path() + QLatin1Char('/') + QString(padding / 2, 'p');
  base += QLatin1Char('/') + QString(padding - padding / 2 - 1, 'q');
  EXPECT_TRUE(QDir().mkpath(base));
  return base;
}

// The calculator keeps 255 bytes of its output-path line: a longer path is
// not used, whether long in characters or only in UTF-8 bytes.
TEST(Setup, UsesOnlyDirectoriesWhosePathsTheCalculatorKeepsWhole) {
  QTemporaryDir root;
  const QString fits = BaseForOutputPathOf(root, 255);
  const QString tooLong = BaseForOutputPathOf(root, 256);
  const QString cyrillic = root.path() + QLatin1Char('/') + QString(120, QChar(0x0436));
  ASSERT_TRUE(QDir().mkpath(cyrillic));  // 120 characters, 240 bytes

  CalculatorFiles files = SetUpCalculatorFiles(InBases({tooLong, cyrillic, fits}), MoonProgram());
  EXPECT_EQ(files.temporaryDirectory, fits + QStringLiteral("/velunor/"))
      << files.unusableReason.toStdString();
  EXPECT_FALSE(QDir(tooLong + "/velunor").exists());
  EXPECT_FALSE(QDir(cyrillic + "/velunor").exists());
  RemoveCalculatorFiles(files);

  files = SetUpCalculatorFiles(InBases({tooLong, cyrillic}), MoonProgram());
  EXPECT_FALSE(files.usable());
  EXPECT_TRUE(files.unusableReason.contains(tooLong)) << files.unusableReason.toStdString();
  EXPECT_TRUE(files.unusableReason.contains(cyrillic));
}

// The calculator ends a line at CR and the file at 0x1A; the script at LF.
TEST(Setup, RefusesAPathWithALineEnd) {
  QTemporaryDir root;
  const QString plain = root.path() + QStringLiteral("/plain");
  QStringList bases;
  for (const char* odd : {"cr\r/x", "lf\n/x", "eof\x1A/x"}) {
    bases << root.path() + QLatin1Char('/') + QString::fromLatin1(odd);
  }
  const QStringList before = EntriesOf(root.path());

  CalculatorFiles files = SetUpCalculatorFiles(InBases(bases + QStringList{plain}), MoonProgram());
  EXPECT_EQ(files.temporaryDirectory, plain + QStringLiteral("/velunor/"))
      << files.unusableReason.toStdString();
  EXPECT_EQ(EntriesOf(root.path()), before + QStringList{"plain"});  // nothing made there
  RemoveCalculatorFiles(files);
}

// Another user prepared the directory while it was open to all: a calculator
// of theirs in run 1's place, symlinks where our script and parameter file go.
TEST(Setup, NeverRunsOrWritesThroughWhatWasPlanted) {
  QTemporaryDir root;
  const QString directory = root.path() + QStringLiteral("/velunor/");
  const QString victim = root.path() + QStringLiteral("/victim");
  const QString planted = root.path() + QStringLiteral("/planted");
  ASSERT_TRUE(QDir().mkpath(directory));
  ASSERT_TRUE(QFile::setPermissions(directory, QFile::Permissions(0x7777)));
  Write(victim, "the user's own file");
  Write(planted, "#!/bin/sh\necho ran > \"" + QFile::encodeName(root.path()) + "/ran\"\n");
  ASSERT_TRUE(QFile::link(planted, directory + "~moon1.exe"));
  ASSERT_TRUE(QFile::link(victim, directory + "~moon1.bat"));
  ASSERT_TRUE(QFile::link(victim, directory + "~moon1.in"));

  CalculatorFiles files = SetUpCalculatorFiles(InBases({root.path()}), MoonProgram());
  ASSERT_TRUE(files.usable()) << files.unusableReason.toStdString();
  EXPECT_EQ(files.runNumber, 1);
  EXPECT_EQ(Contents(files.executablePath), MoonProgram());
  EXPECT_FALSE(QFileInfo(files.scriptPath).isSymLink());
  EXPECT_EQ(Contents(victim), "the user's own file");
  EXPECT_FALSE(QFile::exists(root.path() + "/ran"));
  RemoveCalculatorFiles(files);
}

// A shared lock on a descriptor of its own stands for a living copy of the
// program; files without one were left by a program killed outright.
TEST(Setup, ReclaimsTheRunsOfKilledProgramsAndSparesLivingOnes) {
  QTemporaryDir root;
  const QString directory = root.path() + QStringLiteral("/velunor/");
  ASSERT_TRUE(QDir().mkpath(directory));
  for (const char* name : {"~moon1.exe", "~moon1.bat", "~moon1.fla", "~moon1.in", "~moon1.out",
                           "~moon2.exe", "~moon2.in", "~moon4.out"}) {
    Write(directory + QLatin1String(name), "left");
  }
  const int living = ::open(QFile::encodeName(directory + "~moon2.exe").constData(), O_RDONLY);
  ASSERT_EQ(::flock(living, LOCK_SH), 0);

  CalculatorFiles files = SetUpCalculatorFiles(InBases({root.path()}), MoonProgram());
  EXPECT_EQ(files.runNumber, 1);
  EXPECT_EQ(EntriesOf(directory),
            QStringList({"~moon1.bat", "~moon1.exe", "~moon2.exe", "~moon2.in"}));

  // A second copy starting now takes another number and removes nothing.
  CalculatorFiles second = SetUpCalculatorFiles(InBases({root.path()}), MoonProgram());
  EXPECT_EQ(second.runNumber, 3);
  RemoveCalculatorFiles(files);
  EXPECT_EQ(EntriesOf(directory),
            QStringList({"~moon2.exe", "~moon2.in", "~moon3.bat", "~moon3.exe"}));
  ::close(living);
  RemoveCalculatorFiles(second);
  EXPECT_EQ(EntriesOf(directory), QStringList({"~moon2.exe", "~moon2.in"}));
}

// Writes past 64 KB fail, as on a full small disk: no partial calculator is
// left anywhere, and the reason names each directory.
TEST(Setup, ADiskTooSmallLeavesNothingAndSaysWhy) {
  QTemporaryDir first;
  QTemporaryDir second;
  struct rlimit previous {};
  ASSERT_EQ(::getrlimit(RLIMIT_FSIZE, &previous), 0);
  const auto previousHandler = std::signal(SIGXFSZ, SIG_IGN);
  struct rlimit small = previous;
  small.rlim_cur = 64 * 1024;
  ASSERT_EQ(::setrlimit(RLIMIT_FSIZE, &small), 0);

  const CalculatorFiles files =
      SetUpCalculatorFiles(InBases({first.path(), second.path()}), MoonProgram());
  ::setrlimit(RLIMIT_FSIZE, &previous);
  std::signal(SIGXFSZ, previousHandler);

  EXPECT_FALSE(files.usable());
  const std::string reason = files.unusableReason.toStdString();
  EXPECT_TRUE(files.unusableReason.contains(first.path())) << reason;
  EXPECT_TRUE(files.unusableReason.contains(second.path())) << reason;
  EXPECT_EQ(EntriesOf(first.path()), QStringList());
  EXPECT_EQ(EntriesOf(second.path()), QStringList());
}

TEST(Setup, ACalculatorThatDoesNotRunIsNotKept) {
  QTemporaryDir root;
  for (const QByteArray& program : {QByteArray("not a program"), QByteArray("#!/bin/sh\n")}) {
    const CalculatorFiles files = SetUpCalculatorFiles(InBases({root.path()}), program);
    EXPECT_FALSE(files.usable());
    EXPECT_TRUE(files.unusableReason.contains(root.path()));
    EXPECT_EQ(EntriesOf(root.path()), QStringList());
  }
}

// The order of the candidates: another user holds our name in the shared
// temporary directory, so $XDG_RUNTIME_DIR comes next.
TEST(Setup, FallsBackToTheUsersOwnPlaceWhenTheSharedOneIsTaken) {
  QTemporaryDir shared;
  QTemporaryDir runtime;
  const QByteArray oldTemporary = qgetenv("TMPDIR");
  const QByteArray oldRuntime = qgetenv("XDG_RUNTIME_DIR");
  qputenv("TMPDIR", QFile::encodeName(shared.path()));
  qputenv("XDG_RUNTIME_DIR", QFile::encodeName(runtime.path()));
  const QString taken = QDir::tempPath() + QStringLiteral("/velunor-%1").arg(geteuid());
  ASSERT_TRUE(QFile::link(shared.path(), taken));

  CalculatorFiles files = SetUpCalculatorFiles(CalculatorDirectoryCandidates(), MoonProgram());
  qputenv("TMPDIR", oldTemporary);
  qputenv("XDG_RUNTIME_DIR", oldRuntime);
  if (oldTemporary.isNull()) qunsetenv("TMPDIR");
  if (oldRuntime.isNull()) qunsetenv("XDG_RUNTIME_DIR");
  EXPECT_EQ(files.temporaryDirectory,
            QDir(runtime.path()).canonicalPath() + QStringLiteral("/velunor/"))
      << files.unusableReason.toStdString();
  RemoveCalculatorFiles(files);
}

// Real file systems, mounted without privileges in a user and mount namespace
// of the test's own: the inner test below runs there, in a copy of this
// program, with a 64 KB file system and one mounted noexec.
TEST(Setup, FallsBackFromAFullDiskAndFromANoexecMount) {
  if (QProcess::execute(QStringLiteral("unshare"), {"-rm", "true"}) != 0) {
    GTEST_SKIP() << "this system gives no user namespaces to mount in";
  }
  QTemporaryDir root;
  for (const char* name : {"full", "noexec", "plain"}) ASSERT_TRUE(QDir(root.path()).mkdir(name));
  QProcess inner;
  QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
  environment.insert(QStringLiteral("VELUNOR_TEST_MOUNTS"), root.path());
  inner.setProcessEnvironment(environment);
  inner.setProcessChannelMode(QProcess::MergedChannels);
  inner.start(QStringLiteral("unshare"),
              {"-rm", "sh", "-c",
               "mount -t tmpfs -o size=64k tmpfs \"$1/full\" &&"
               " mount -t tmpfs -o noexec tmpfs \"$1/noexec\" &&"
               " exec \"$2\" --gtest_also_run_disabled_tests"
               " --gtest_filter=DISABLED_InMountNamespace.*",
               "sh", root.path(), QCoreApplication::applicationFilePath()});
  ASSERT_TRUE(inner.waitForFinished(-1));
  EXPECT_EQ(inner.exitCode(), 0) << inner.readAll().toStdString();
}

TEST(DISABLED_InMountNamespace, FallsBackFromAFullDiskAndFromANoexecMount) {
  const QString root = qEnvironmentVariable("VELUNOR_TEST_MOUNTS");
  if (root.isEmpty()) GTEST_SKIP() << "run only by the test above";
  const QString full = root + QStringLiteral("/full");
  const QString noexec = root + QStringLiteral("/noexec");
  const QString plain = root + QStringLiteral("/plain");

  for (const QString& faulty : {full, noexec}) {
    CalculatorFiles files = SetUpCalculatorFiles(InBases({faulty, plain}), MoonProgram());
    EXPECT_EQ(files.temporaryDirectory, plain + QStringLiteral("/velunor/"))
        << files.unusableReason.toStdString();
    EXPECT_EQ(EntriesOf(faulty), QStringList());
    RemoveCalculatorFiles(files);
  }
  const CalculatorFiles none = SetUpCalculatorFiles(InBases({full, noexec}), MoonProgram());
  EXPECT_FALSE(none.usable());
  EXPECT_TRUE(none.unusableReason.contains(full)) << none.unusableReason.toStdString();
  EXPECT_TRUE(none.unusableReason.contains(noexec));
  EXPECT_EQ(EntriesOf(full), QStringList());
  EXPECT_EQ(EntriesOf(noexec), QStringList());
}

}  // namespace
}  // namespace frontend
