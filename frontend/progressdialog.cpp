#include "frontend/progressdialog.h"

#include <QCloseEvent>
#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QFrame>
#include <QProcess>
#include <QProgressBar>
#include <QShowEvent>
#include <QThread>
#include <QTimer>

#include <cmath>

#include "frontend/calculator_files.h"
#include "frontend/dialog_placement.h"
#include "frontend/termination.h"

namespace {

// Pause per waiting pass, in milliseconds: keeps the wait from spinning a core
// while the calculator works.
constexpr unsigned long kPassPauseMs = 2;

// Runs the script without a window and without sharing our console, inside
// the temporary directory, where the script names the parameter file; the
// outcome is seen only through the flag and output files.
void LaunchScript(const CalculatorFiles& files) {
  QProcess process;
  process.setProgram(QStringLiteral("/bin/sh"));
  process.setArguments({files.scriptPath});
  process.setWorkingDirectory(files.temporaryDirectory);
  process.setStandardInputFile(QProcess::nullDevice());
  process.setStandardOutputFile(QProcess::nullDevice());
  process.setStandardErrorFile(QProcess::nullDevice());
  process.startDetached();
}

// Percent of the wait limit, rounded to the nearest, ties to even.
int ProgressPercent(qint64 elapsedMs) {
  return static_cast<int>(
      std::lrint(static_cast<double>(elapsedMs) / TOKBottomDlg::kWaitLimitMs * 100.0));
}

}  // namespace

TOKBottomDlg::TOKBottomDlg(QWidget* parent) : QDialog(parent) {
  setObjectName(QStringLiteral("OKBottomDlg"));
  setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint);
  setFixedSize(313, 49);

  Bevel1 = new QFrame(this);
  Bevel1->setObjectName(QStringLiteral("Bevel1"));
  Bevel1->setFrameShape(QFrame::Box);
  Bevel1->setFrameShadow(QFrame::Sunken);
  Bevel1->setGeometry(8, 8, 297, 33);

  ProgressBar1 = new QProgressBar(this);
  ProgressBar1->setObjectName(QStringLiteral("ProgressBar1"));
  ProgressBar1->setGeometry(16, 16, 281, 16);
  ProgressBar1->setRange(0, 100);
  ProgressBar1->setValue(0);
  ProgressBar1->setTextVisible(false);

  Timer1 = new QTimer(this);
  Timer1->setObjectName(QStringLiteral("Timer1"));
  Timer1->setInterval(1);
  Timer1->setSingleShot(true);
  connect(Timer1, &QTimer::timeout, this, &TOKBottomDlg::Timer1Timer);

  Timer2 = new QTimer(this);
  Timer2->setObjectName(QStringLiteral("Timer2"));
  Timer2->setInterval(1000);
  Timer2->setSingleShot(true);
  connect(Timer2, &QTimer::timeout, this, &TOKBottomDlg::Timer2Timer);

  FormCreate();
}

void TOKBottomDlg::FormCreate() {
  setWindowTitle(QStringLiteral("Идет расчет..."));
}

void TOKBottomDlg::SetCalculation(CalculatorFiles* files, QWidget* mainWindow) {
  files_ = files;
  mainWindow_ = mainWindow;
}

void TOKBottomDlg::showEvent(QShowEvent* event) {
  QDialog::showEvent(event);
  if (event->spontaneous()) return;  // re-exposed, not shown anew
  frontend::PlaceStraddling(this, mainWindow_);
  // The wait runs inside the dialog's own event loop, once per showing.
  QMetaObject::invokeMethod(this, &TOKBottomDlg::FormActivate, Qt::QueuedConnection);
}

void TOKBottomDlg::FormActivate() {
  ProgressBar1->setValue(0);
  if (TerminationRequested()) {
    done(kResultCancel);
    return;
  }
  if (files_ == nullptr || !files_->usable()) {
    Timer2->start();
    return;
  }
  CalculatorFiles& files = *files_;
  // Files of the previous run must not be mistaken for this run's.
  if (QFile::exists(files.flagPath)) QFile::remove(files.flagPath);
  if (QFile::exists(files.outputPath)) QFile::remove(files.outputPath);

  LaunchScript(files);

  QPointer<TOKBottomDlg> alive(this);
  QElapsedTimer clock;  // monotonic: a clock change cannot cut or stretch the wait
  clock.start();
  qint64 elapsedMs = 0;
  while (!QFile::exists(files.flagPath) && elapsedMs < kWaitLimitMs) {
    ProgressBar1->setValue(ProgressPercent(elapsedMs));
    QCoreApplication::processEvents();
    if (!alive) return;
    // The program is ending: no one waits for this run's table any more.
    if (TerminationRequested()) {
      done(kResultCancel);
      return;
    }
    QThread::msleep(kPassPauseMs);
    elapsedMs = clock.elapsed();
  }
  ProgressBar1->setValue(100);
  QCoreApplication::processEvents();
  if (!alive) return;

  // Shown modally, the dialog takes its result from a timer tick, after the
  // event that showed it has been handled.
  if (QFile::exists(files.outputPath) && frontend::LoadOutputList(files)) {
    Timer1->start();
  } else {
    Timer2->start();
  }
}

void TOKBottomDlg::Timer1Timer() {
  done(kResultOk);
}

void TOKBottomDlg::Timer2Timer() {
  done(kResultCancel);
}

void TOKBottomDlg::done(int result) {
  // The next showing starts with both timers disarmed.
  Timer1->stop();
  Timer2->stop();
  QDialog::done(result);
}

void TOKBottomDlg::closeEvent(QCloseEvent* event) {
  event->ignore();
}
