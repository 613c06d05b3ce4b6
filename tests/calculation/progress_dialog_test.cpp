#include "frontend/progressdialog.h"

#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QFile>
#include <QProgressBar>
#include <QTemporaryDir>
#include <QTimer>
#include <QWidget>
#include <csignal>

#include "frontend/calculator_files.h"
#include "frontend/dialog_placement.h"
#include "frontend/termination.h"

namespace {

// Stand-in calculators. The real one reads the output path from line 10 of
// the parameter file it is given.
constexpr char kWritesTable[] =
    "#!/bin/sh\n"
    "out=$(sed -n 10p \"$1\" | tr -d '\\r')\n"
    "printf '          Autocreated\\r\\n   7.03.1985 Th    5:07:00    14   1Ar00\\r\\n' > "
    "\"$out\"\n";
constexpr char kWritesNothing[] = "#!/bin/sh\nexit 100\n";
// Still at work when the test sends its termination signal.
constexpr char kSlow[] = "#!/bin/sh\nexec sleep 5\n";

class ProgressDialogTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(base_.isValid());
    files_ = NameCalculatorFiles(base_.path() + QLatin1Char('/'), 1);
    ASSERT_TRUE(frontend::WriteScript(files_));
    QFile parameters(files_.parameterPath);
    ASSERT_TRUE(parameters.open(QIODevice::WriteOnly));
    parameters.write("Autocreated\r\n7.3.1985\r\n5:7\r\n3\r\n\r\n55.45\r\n37.35\r\n2\r\na\r\n" +
                     QFile::encodeName(files_.outputPath) + "\r\n");
  }

  static CalculatorFiles NameCalculatorFiles(const QString& directory, int32_t runNumber) {
    return frontend::NameCalculatorFiles(directory, runNumber);
  }

  int Run(TOKBottomDlg& dialog) {
    dialog.SetCalculation(&files_, nullptr);
    return dialog.exec();
  }

  QTemporaryDir base_;
  CalculatorFiles files_;
};

TEST_F(ProgressDialogTest, LoadsTheTableOfASuccessfulRun) {
  ASSERT_TRUE(frontend::WriteExecutable(files_, kWritesTable));
  TOKBottomDlg dialog;
  EXPECT_EQ(Run(dialog), TOKBottomDlg::kResultOk);
  ASSERT_EQ(files_.outputList.size(), 2u);
  EXPECT_EQ(files_.outputList[1], "   7.03.1985 Th    5:07:00    14   1Ar00");
  EXPECT_EQ(dialog.ProgressBar1->value(), 100);

  // Shown again, it runs again and ends the same way; no timer is left armed.
  files_.outputList.clear();
  EXPECT_EQ(Run(dialog), TOKBottomDlg::kResultOk);
  EXPECT_EQ(files_.outputList.size(), 2u);
  EXPECT_FALSE(dialog.Timer1->isActive());
  EXPECT_FALSE(dialog.Timer2->isActive());
}

TEST_F(ProgressDialogTest, FailsWhenTheCalculatorWritesNoTable) {
  ASSERT_TRUE(frontend::WriteExecutable(files_, kWritesNothing));
  files_.outputList = {"previous table"};
  TOKBottomDlg dialog;
  EXPECT_EQ(Run(dialog), TOKBottomDlg::kResultCancel);
  EXPECT_EQ(files_.outputList, std::vector<std::string>{"previous table"});
}

TEST_F(ProgressDialogTest, NeverTakesThePreviousRunsFilesForThisRuns) {
  ASSERT_TRUE(frontend::WriteExecutable(files_, kWritesTable));
  TOKBottomDlg dialog;
  ASSERT_EQ(Run(dialog), TOKBottomDlg::kResultOk);

  // Same five names, but this time the calculator fails: the old table and
  // flag must not pass for its result.
  ASSERT_TRUE(QFile::exists(files_.outputPath));
  ASSERT_TRUE(frontend::WriteExecutable(files_, kWritesNothing));
  EXPECT_EQ(Run(dialog), TOKBottomDlg::kResultCancel);
  EXPECT_FALSE(QFile::exists(files_.outputPath));
}

TEST_F(ProgressDialogTest, UserCannotCancelTheWait) {
  ASSERT_TRUE(frontend::WriteExecutable(files_, kWritesTable));
  TOKBottomDlg dialog;
  QTimer::singleShot(0, &dialog, [&dialog] {
    dialog.reject();
    dialog.close();
  });
  EXPECT_EQ(Run(dialog), TOKBottomDlg::kResultOk);
}

TEST_F(ProgressDialogTest, TerminationSignalEndsTheWaitAndTheProgram) {
  ASSERT_TRUE(frontend::WriteExecutable(files_, kSlow));
  QuitOnTerminationSignals();
  QWidget mainWindow;
  mainWindow.show();
  TOKBottomDlg dialog(&mainWindow);
  int result = 0;
  QTimer::singleShot(0, [&] { result = Run(dialog); });
  // Arrives while the dialog waits for the calculator.
  QTimer::singleShot(100, [] { std::raise(SIGTERM); });
  // Only so that a lost signal fails the test instead of hanging it.
  QTimer::singleShot(TOKBottomDlg::kWaitLimitMs + 3000, [] { QCoreApplication::exit(1); });
  EXPECT_EQ(QCoreApplication::exec(), 0);
  EXPECT_EQ(result, TOKBottomDlg::kResultCancel);
  EXPECT_FALSE(dialog.isVisible());
  EXPECT_TRUE(TerminationRequested());
}

TEST(DialogPlacement, StraddlesTheBottomEdgeCentredWithTruncation) {
  EXPECT_EQ(frontend::StraddlingPosition(QRect(234, 49, 800, 740), 313), QPoint(234 + 243, 774));
  // A dialog wider than the window: the half-difference truncates toward zero.
  EXPECT_EQ(frontend::StraddlingPosition(QRect(100, 0, 300, 200), 313), QPoint(94, 185));
}

}  // namespace
