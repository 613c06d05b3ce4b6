// One calculation from the inputs of the main window to its result pages, with
// the calculator carried inside the program, and what a failed run leaves.
#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QPlainTextEdit>
#include <QProcess>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <memory>

#include "frontend/dialogs/Resultdlg.h"
#include "frontend/main_window/Unit1.h"
#include "frontend/widgets/date_box.h"
#include "frontend/widgets/spinedit.h"
#include "frontend/widgets/time_box.h"
#include "frontend/widgets/zone_spinedit.h"

namespace {

const QString kMinskDay22 = QStringLiteral("Дата рождения приходится на 22-й лунный день");

QStringList CalculatorFilesOf(const QString& directory, int runNumber) {
  QStringList names;
  for (const char* extension : {".exe", ".bat", ".fla", ".in", ".out"}) {
    names << directory + QStringLiteral("~moon%1").arg(runNumber) + QLatin1String(extension);
  }
  return names;
}

void Plant(const QString& path, const QByteArray& bytes) {
  QFile file(path);
  QVERIFY(file.open(QIODevice::WriteOnly));
  file.write(bytes);
  QVERIFY(file.setPermissions(QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner));
}

}  // namespace

class CalculationEndToEnd : public QObject {
  Q_OBJECT

 private slots:
  void initTestCase();
  void minskOn17May1990IsLunarDay22();
  void failedRunReportsAndKeepsTheSolarResults();
  void twoCalculationsReuseTheFiveNames();
  void closingRemovesTheFilesOfThisRunOnly();
  void terminatedProgramRemovesItsFiles();

 private:
  // A fresh temporary directory of our own, so the run number is known; its
  // name is long enough that the files' full paths pass 80 characters, more
  // than the calculator keeps of its argument.
  QTemporaryDir temporary_{
      QDir::tempPath() +
      QStringLiteral("/calculation end to end, a name to make the path long-XXXXXX")};
  QString directory_;  // the private directory the window uses
  std::unique_ptr<TForm1> form_;
  QString errorText_;  // what the result dialog showed, if it was shown

  void SetBirth(QDate date, QTime time, int timeZone);
  // Runs a calculation, answering the result dialog if it comes up.
  void Calculate();
};

void CalculationEndToEnd::initTestCase() {
  QVERIFY(temporary_.isValid());
  qputenv("TMPDIR", QFile::encodeName(temporary_.path()));
  QCOMPARE(QDir::tempPath(), QDir(temporary_.path()).canonicalPath());
  directory_ = QDir::tempPath() + QStringLiteral("/velunor-%1/").arg(geteuid());
  // Other copies' calculators, still running (each copy holds a lock on its
  // own): numbers 1 and 2 are taken.
  QVERIFY(QDir().mkpath(directory_));
  Plant(directory_ + QStringLiteral("~moon1.exe"), "#!/bin/sh\n");
  Plant(directory_ + QStringLiteral("~moon2.exe"), "#!/bin/sh\n");
  Plant(directory_ + QStringLiteral("~moon1.in"), "");
  for (const char* name : {"~moon1.exe", "~moon2.exe"}) {
    const int living =
        ::open(QFile::encodeName(directory_ + QLatin1String(name)).constData(), O_RDONLY);
    QVERIFY(living >= 0 && ::flock(living, LOCK_SH) == 0);  // open until the test ends
  }

  form_ = std::make_unique<TForm1>();
  form_->show();
  for (const QString& path : CalculatorFilesOf(directory_, 3).mid(0, 2)) {
    QVERIFY2(QFile::exists(path), qPrintable(path));
  }
  // The start-up calculation, for now at Минск.
  QTRY_VERIFY_WITH_TIMEOUT(!form_->Label1->text().isEmpty(), 30'000);
}

void CalculationEndToEnd::SetBirth(QDate date, QTime time, int timeZone) {
  form_->DateTimePicker1->setDate(date);
  form_->DateTimePicker2->setTime(time);
  form_->SpinEdit13->setValue(timeZone);
}

void CalculationEndToEnd::Calculate() {
  errorText_.clear();
  // The result dialog is modal: answer it from inside its own event loop.
  QTimer answer;
  answer.setInterval(20);
  connect(&answer, &QTimer::timeout, this, [this] {
    auto* dialog = form_->findChild<TOKBottomDlg1*>(QStringLiteral("OKBottomDlg1"));
    if (dialog == nullptr || !dialog->isVisible()) return;
    errorText_ = dialog->StaticText1->text();
    QTest::mouseClick(dialog->OKBtn, Qt::LeftButton);
  });
  answer.start();
  QTest::mouseClick(form_->Button1, Qt::LeftButton);
}

void CalculationEndToEnd::minskOn17May1990IsLunarDay22() {
  SetBirth(QDate(1990, 5, 17), QTime(14, 30), 3);
  Calculate();
  QCOMPARE(errorText_, QString());
  QCOMPARE(form_->Label1->text(), kMinskDay22);
  QVERIFY(form_->Memo1->toPlainText().startsWith(QStringLiteral("          Autocreated\n")));
  // The lunar pages hold what day 22 gives for this date, not another day's.
  const content::Composition day22 = content::Compose(form_->tables, {1990, 5, 17}, "22", "");
  const std::pair<const QPlainTextEdit*, const content::Lines*> pages[] = {
      {form_->Memo7, &day22.lunarVerse},
      {form_->Memo2, &day22.health},
      {form_->Memo6, &day22.goodOrEvil},
      {form_->Memo12, &day22.knife}};
  for (const auto& [memo, lines] : pages) {
    QVERIFY2(!lines->empty(), qPrintable(memo->objectName()));
    QStringList expected;
    for (const std::string& line : *lines) expected << QString::fromStdString(line);
    QCOMPARE(memo->toPlainText(), expected.join(QLatin1Char('\n')));
  }
  const QString world = form_->Memo3->toPlainText();
  QVERIFY2(world.contains(QStringLiteral("Прави")) || world.contains(QStringLiteral("Яви")) ||
               world.contains(QStringLiteral("Нави")),
           qPrintable(world));
}

void CalculationEndToEnd::failedRunReportsAndKeepsTheSolarResults() {
  const QString executable = directory_ + QStringLiteral("~moon3.exe");
  QFile original(executable);
  QVERIFY(original.open(QIODevice::ReadOnly));
  const QByteArray calculator = original.readAll();
  original.close();
  const QString table = form_->Memo1->toPlainText();

  // A calculator that ends without a table, then no calculator at all.
  for (const bool present : {true, false}) {
    QFile::remove(executable);
    if (present) Plant(executable, "#!/bin/sh\nexit 100\n");
    SetBirth(QDate(1990, 5, 17), QTime(14, 30), 3);
    Calculate();
    QCOMPARE(errorText_.section(QLatin1Char('\n'), 0, 0), QStringLiteral("Ошибка в приложении"));
    QVERIFY(!form_->Label1->text().contains(QStringLiteral("22")));
    QCOMPARE(form_->Memo7->toPlainText(), QString());
    QCOMPARE(form_->Memo12->toPlainText(), QString());
    QVERIFY(!form_->Memo4->toPlainText().isEmpty());
    QVERIFY(!form_->Memo5->toPlainText().isEmpty());
    QVERIFY(!form_->Memo14->toPlainText().isEmpty());
    QCOMPARE(form_->Memo1->toPlainText(), table);  // the last good table stays
  }

  Plant(executable, calculator);
  Calculate();
  QCOMPARE(form_->Label1->text(), kMinskDay22);
}

void CalculationEndToEnd::twoCalculationsReuseTheFiveNames() {
  Calculate();
  Calculate();
  const QStringList left = QDir(directory_).entryList(QDir::Files, QDir::Name);
  const QStringList expected = {QStringLiteral("~moon1.exe"), QStringLiteral("~moon1.in"),
                                QStringLiteral("~moon2.exe"), QStringLiteral("~moon3.bat"),
                                QStringLiteral("~moon3.exe"), QStringLiteral("~moon3.fla"),
                                QStringLiteral("~moon3.in"),  QStringLiteral("~moon3.out")};
  QCOMPARE(left, expected);
}

void CalculationEndToEnd::closingRemovesTheFilesOfThisRunOnly() {
  form_.reset();
  for (const QString& path : CalculatorFilesOf(directory_, 3)) {
    QVERIFY2(!QFile::exists(path), qPrintable(path));
  }
  QVERIFY(QFile::exists(directory_ + QStringLiteral("~moon1.exe")));
  QVERIFY(QFile::exists(directory_ + QStringLiteral("~moon2.exe")));
}

// A session that ends, or a kill, closes the program like its window's close
// button: nothing is left in the temporary directory.
void CalculationEndToEnd::terminatedProgramRemovesItsFiles() {
  QTemporaryDir temporary;
  QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
  environment.insert(QStringLiteral("TMPDIR"), temporary.path());
  const QString directory =
      QDir(temporary.path()).canonicalPath() + QStringLiteral("/velunor-%1/").arg(geteuid());

  QProcess program;
  program.setProcessEnvironment(environment);
  program.start(QStringLiteral(VELUNOR_PROGRAM));
  QVERIFY(program.waitForStarted());
  QTRY_VERIFY_WITH_TIMEOUT(QFile::exists(directory + QStringLiteral("~moon1.fla")), 30'000);
  program.terminate();
  QVERIFY(program.waitForFinished(30'000));
  QCOMPARE(program.exitStatus(), QProcess::NormalExit);
  QVERIFY2(!QDir(directory).exists(),
           qPrintable(QDir(directory).entryList(QDir::Files).join(QLatin1Char(' '))));
}

QTEST_MAIN(CalculationEndToEnd)
#include "calculation_e2e_test.moc"
