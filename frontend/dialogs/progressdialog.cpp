#include "frontend/dialogs/progressdialog.h"

#include <QCloseEvent>
#include <QEventLoop>
#include <QFrame>
#include <QProgressBar>
#include <QShowEvent>
#include <QTimer>
#include <algorithm>
#include <cmath>
#include <utility>

#include "frontend/calculator_run/termination.h"
#include "frontend/dialogs/dialog_placement.h"
#include "frontend/widgets/input_blocker.h"

namespace {

// How often the progress bar moves, in ms; one percent of the full wait is
// 259 ms.
constexpr int kProgressIntervalMs = 100;

// Percent of the wait limit, rounded to the nearest, ties to even.
int ProgressPercent(qint64 elapsedMs, std::chrono::milliseconds limit) {
  const long percent =
      std::lrint(static_cast<double>(elapsedMs) / static_cast<double>(limit.count()) * 100.0);
  return static_cast<int>(std::clamp(percent, 0L, 100L));
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

  progressTimer_ = new QTimer(this);
  progressTimer_->setInterval(kProgressIntervalMs);
  connect(progressTimer_, &QTimer::timeout, this, &TOKBottomDlg::ShowProgress);

  connect(&run_, &frontend::CalculatorRun::ended, this, &TOKBottomDlg::RunEnded);
  // The program is ending: no one waits for this run's table any more.
  connect(&frontend::TerminationNotice::instance(), &frontend::TerminationNotice::requested, this,
          [this] {
            if (running_) AbandonRun();
          });

  FormCreate();
}

void TOKBottomDlg::FormCreate() {
  setWindowTitle(QStringLiteral("Идет расчет..."));
}

frontend::RunOutcome TOKBottomDlg::Run(const frontend::CalculatorFiles* files) {
  files_ = files;
  outcome_ = {};
  running_ = true;
  {
    const InputBlocker blocker(parentWidget());
    QEventLoop loop;
    connect(this, &QDialog::finished, &loop, &QEventLoop::quit);
    show();
    loop.exec(QEventLoop::DialogExec);
  }
  // The loop is also left when the whole application leaves its loops.
  if (isVisible()) AbandonRun();
  running_ = false;
  files_ = nullptr;
  return std::exchange(outcome_, {});
}

void TOKBottomDlg::showEvent(QShowEvent* event) {
  QDialog::showEvent(event);
  if (event->spontaneous()) return;  // re-exposed, not shown anew
  frontend::PlaceStraddling(this, parentWidget());
  // The run starts from the event loop, once per showing.
  QMetaObject::invokeMethod(this, &TOKBottomDlg::FormActivate, Qt::QueuedConnection);
}

void TOKBottomDlg::FormActivate() {
  if (!isVisible()) return;  // ended before the run could start
  ProgressBar1->setValue(0);
  if (frontend::TerminationRequested()) {
    AbandonRun();
    return;
  }
  progressTimer_->start();
  run_.Start(files_, waitLimit_);
}

void TOKBottomDlg::RunEnded(const frontend::RunOutcome& outcome) {
  StopWaiting();
  ProgressBar1->setValue(100);
  outcome_ = outcome;
  // Shown, the dialog takes its result from a timer tick, after the event
  // that showed it has been handled.
  if (outcome_.ok()) {
    Timer1->start();
  } else {
    Timer2->start();
  }
}

void TOKBottomDlg::ShowProgress() {
  ProgressBar1->setValue(ProgressPercent(run_.elapsedMs(), waitLimit_));
}

void TOKBottomDlg::StopWaiting() {
  progressTimer_->stop();
}

void TOKBottomDlg::AbandonRun() {
  StopWaiting();
  run_.Stop();
  outcome_ = {};
  outcome_.failure = frontend::RunFailure::kAbandoned;
  if (isVisible()) done(kResultCancel);
}

void TOKBottomDlg::Timer1Timer() {
  done(kResultOk);
}

void TOKBottomDlg::Timer2Timer() {
  done(kResultCancel);
}

void TOKBottomDlg::done(int result) {
  // The next showing starts with both timers disarmed and nothing running.
  Timer1->stop();
  Timer2->stop();
  StopWaiting();
  if (run_.running()) {
    run_.Stop();
    outcome_.failure = frontend::RunFailure::kAbandoned;
  }
  QDialog::done(result);
}

void TOKBottomDlg::closeEvent(QCloseEvent* event) {
  event->ignore();
}
