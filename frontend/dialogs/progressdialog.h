// Progress dialog: runs the lunar calculator through its script and waits for
// it, driven by the event loop; ends with 1 when this run's lunar-day table
// was loaded, else with 2, and hands the run's outcome to its caller.
#pragma once

#include <QDialog>
#include <QPointer>
#include <chrono>

#include "frontend/calculator_run/calculator_run.h"
#include "frontend/calculator_run/run_outcome.h"

class QFrame;
class QProgressBar;
class QTimer;
namespace frontend {
struct CalculatorFiles;
}  // namespace frontend

class TOKBottomDlg : public QDialog {
  Q_OBJECT

 public:
  static constexpr int kResultOk = 1;
  static constexpr int kResultCancel = 2;
  // Longest wait for the calculator: 0.0003 day.
  static constexpr std::chrono::milliseconds kWaitLimit = frontend::CalculatorRun::kWaitLimit;

  explicit TOKBottomDlg(QWidget* parent = nullptr);

  // Shows the dialog across its parent's bottom edge, runs the script of
  // `files` and returns once the dialog has ended. The parent (the main
  // window) takes no input meanwhile, but can still be closed (see
  // AbandonRun). `files` must outlive the call and may be null.
  frontend::RunOutcome Run(const frontend::CalculatorFiles* files);

  // While Run() is under way: ends the script and the calculator, waits for
  // them and ends the dialog with kResultCancel and no outcome to report.
  void AbandonRun();
  bool running() const { return running_; }

  // The wait limit of later runs; tests shorten it.
  void SetWaitLimit(std::chrono::milliseconds limit) { waitLimit_ = limit; }
  // The session of the last script started, 0 before any.
  qint64 processGroup() const { return run_.processGroup(); }

  // Event handlers, named after the window's events.
  void FormCreate();
  void FormActivate();
  void Timer1Timer();
  void Timer2Timer();

  QFrame* Bevel1 = nullptr;
  QProgressBar* ProgressBar1 = nullptr;
  QTimer* Timer1 = nullptr;  // 1 ms: ends the dialog with kResultOk
  QTimer* Timer2 = nullptr;  // 1,000 ms: ends the dialog with kResultCancel

 public slots:
  void done(int result) override;
  // Neither Escape nor the window manager cancels the run; the timers end it.
  void reject() override {}

 protected:
  void showEvent(QShowEvent* event) override;
  void closeEvent(QCloseEvent* event) override;

 private:
  void RunEnded(const frontend::RunOutcome& outcome);
  void ShowProgress();
  void StopWaiting();

  const frontend::CalculatorFiles* files_ = nullptr;
  frontend::CalculatorRun run_;
  frontend::RunOutcome outcome_;
  bool running_ = false;

  std::chrono::milliseconds waitLimit_ = kWaitLimit;
  QTimer* progressTimer_ = nullptr;
};
