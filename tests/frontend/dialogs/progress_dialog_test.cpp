#include "frontend/dialogs/progressdialog.h"

#include <gtest/gtest.h>
#include <sys/types.h>

#include <QCoreApplication>
#include <QFile>
#include <QProgressBar>
#include <QTemporaryDir>
#include <QTimer>
#include <QWidget>
#include <cerrno>
#include <csignal>

#include "frontend/calculator_run/calculator_files.h"
#include "frontend/calculator_run/failure_report.h"
#include "frontend/calculator_run/termination.h"

namespace {

using frontend::RunFailure;
using frontend::RunOutcome;

// Stand-in calculators. The real one reads the output path from line 10 of
// the parameter file it is given.
#define WRITE_TABLE                                                                       \
  "out=$(sed -n 10p \"$1\" | tr -d '\\r')\n"                                              \
  "printf '          Autocreated\\r\\n   7.03.1985 Th    5:07:00    14   1Ar00\\r\\n' > " \
  "\"$out\"\n"
constexpr char kWritesTable[] = "#!/bin/sh\n" WRITE_TABLE;
constexpr char kRefusesTheDate[] =
    "#!/bin/sh\necho \"Error in file $1: bad DATE defined in line 2\"\nexit 100\n";
// Still at work when the test sends its termination signal.
constexpr char kSlow[] = "#!/bin/sh\nexec sleep 30\n";
// Writes its table only once the file "go" appears in its directory, which
// the test creates after the run has been given up.
constexpr char kLate[] = "#!/bin/sh\nwhile [ ! -e go ]; do sleep 0.05; done\n" WRITE_TABLE;
// The next run's calculator: lets a late one go, gives it time to write, and
// fails itself.
constexpr char kReleasesTheLateOne[] = "#!/bin/sh\n: > go\nsleep 0.5\nexit 100\n";

// True when no process of the group is left, not even one waiting to be collected.
bool GroupGone(qint64 group) {
  return group > 0 && ::kill(-static_cast<pid_t>(group), 0) == -1 && errno == ESRCH;
}

class ProgressDialogTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(base_.isValid());
    files_ = frontend::NameCalculatorFiles(base_.path() + QLatin1Char('/'), 1);
    ASSERT_TRUE(frontend::WriteScript(files_));
    QFile parameters(files_.parameterPath);
    ASSERT_TRUE(parameters.open(QIODevice::WriteOnly));
    parameters.write("Autocreated\r\n7.3.1985\r\n5:7\r\n3\r\n\r\n55.45\r\n37.35\r\n2\r\na\r\n" +
                     QFile::encodeName(files_.outputPath) + "\r\n");
  }

  RunOutcome Run(TOKBottomDlg& dialog) { return dialog.Run(&files_); }

  QTemporaryDir base_;
  frontend::CalculatorFiles files_;
};

TEST_F(ProgressDialogTest, HandsTheTableOfASuccessfulRunToTheCaller) {
  ASSERT_TRUE(frontend::WriteExecutable(files_, kWritesTable));
  TOKBottomDlg dialog;
  RunOutcome outcome = Run(dialog);
  EXPECT_TRUE(outcome.ok());
  EXPECT_EQ(dialog.result(), TOKBottomDlg::kResultOk);
  ASSERT_EQ(outcome.table.size(), 2u);
  EXPECT_EQ(outcome.table[1], "   7.03.1985 Th    5:07:00    14   1Ar00");
  EXPECT_EQ(dialog.ProgressBar1->value(), 100);

  // Shown again, it runs again and ends the same way; no timer is left armed.
  outcome = Run(dialog);
  EXPECT_TRUE(outcome.ok());
  EXPECT_EQ(outcome.table.size(), 2u);
  EXPECT_FALSE(dialog.Timer1->isActive());
  EXPECT_FALSE(dialog.Timer2->isActive());
}

TEST_F(ProgressDialogTest, AFlagWithoutATableIsAFailureWithTheCalculatorsReason) {
  ASSERT_TRUE(frontend::WriteExecutable(files_, kRefusesTheDate));
  TOKBottomDlg dialog;
  const RunOutcome outcome = Run(dialog);
  EXPECT_EQ(dialog.result(), TOKBottomDlg::kResultCancel);
  EXPECT_EQ(outcome.failure, RunFailure::kNoTable);
  EXPECT_TRUE(QFile::exists(files_.flagPath));
  EXPECT_TRUE(outcome.table.empty());
  EXPECT_TRUE(frontend::FailureReport(outcome).contains(QStringLiteral("дату")))
      << frontend::FailureReport(outcome).toStdString();
}

TEST_F(ProgressDialogTest, NeverTakesThePreviousRunsFilesForThisRuns) {
  ASSERT_TRUE(frontend::WriteExecutable(files_, kWritesTable));
  TOKBottomDlg dialog;
  ASSERT_TRUE(Run(dialog).ok());

  // Same five names, but this time the calculator fails: the old table and
  // flag must not pass for its result.
  ASSERT_TRUE(QFile::exists(files_.outputPath));
  ASSERT_TRUE(frontend::WriteExecutable(files_, kRefusesTheDate));
  EXPECT_EQ(Run(dialog).failure, RunFailure::kNoTable);
  EXPECT_FALSE(QFile::exists(files_.outputPath));
}

TEST_F(ProgressDialogTest, ASlowCalculatorIsEndedAtTheLimitAndItsLateTableNeverTaken) {
  ASSERT_TRUE(frontend::WriteExecutable(files_, kLate));
  TOKBottomDlg dialog;
  dialog.SetWaitLimit(std::chrono::milliseconds(300));
  const RunOutcome late = Run(dialog);
  EXPECT_EQ(late.failure, RunFailure::kTimedOut);
  EXPECT_TRUE(frontend::FailureReport(late).contains(QStringLiteral("не закончил")));
  // The shell and the calculator under it are gone, and collected.
  EXPECT_TRUE(GroupGone(dialog.processGroup()));

  // Were the old calculator still waiting, the next run would release it and
  // see its table and flag.
  ASSERT_TRUE(frontend::WriteExecutable(files_, kReleasesTheLateOne));
  dialog.SetWaitLimit(TOKBottomDlg::kWaitLimit);
  const RunOutcome next = Run(dialog);
  EXPECT_EQ(next.failure, RunFailure::kNoTable);
  EXPECT_TRUE(next.table.empty());
  EXPECT_FALSE(QFile::exists(files_.outputPath));
}

TEST_F(ProgressDialogTest, UserCannotCancelTheWait) {
  ASSERT_TRUE(frontend::WriteExecutable(files_, kWritesTable));
  TOKBottomDlg dialog;
  QTimer::singleShot(0, &dialog, [&dialog] {
    dialog.reject();
    dialog.close();
  });
  EXPECT_TRUE(Run(dialog).ok());
}

TEST_F(ProgressDialogTest, TerminationSignalEndsTheRunAndTheProgram) {
  ASSERT_TRUE(frontend::WriteExecutable(files_, kSlow));
  frontend::QuitOnTerminationSignals();
  QWidget mainWindow;
  mainWindow.show();
  TOKBottomDlg dialog(&mainWindow);
  RunOutcome outcome;
  QTimer::singleShot(0, [&] { outcome = Run(dialog); });
  // Arrives while the dialog waits for the calculator.
  QTimer poll;
  poll.setInterval(10);
  QObject::connect(&poll, &QTimer::timeout, [&] {
    if (dialog.processGroup() == 0) return;
    poll.stop();
    std::raise(SIGTERM);
  });
  poll.start();
  // Only so that a lost signal fails the test instead of hanging it.
  QTimer::singleShot(std::chrono::seconds(60), [] { QCoreApplication::exit(1); });
  EXPECT_EQ(QCoreApplication::exec(), 0);
  EXPECT_EQ(outcome.failure, RunFailure::kAbandoned);
  EXPECT_EQ(dialog.result(), TOKBottomDlg::kResultCancel);
  EXPECT_FALSE(dialog.isVisible());
  EXPECT_TRUE(frontend::TerminationRequested());
  EXPECT_TRUE(GroupGone(dialog.processGroup()));
}

}  // namespace
