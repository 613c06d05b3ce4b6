// Progress dialog: runs the lunar calculator through its script and waits for
// it, keeping the window responsive; ends with 1 when this run's lunar-day
// table was loaded, else with 2.
#pragma once

#include <QDialog>
#include <QPointer>

class QFrame;
class QProgressBar;
class QTimer;
struct CalculatorFiles;

class TOKBottomDlg : public QDialog {
  Q_OBJECT

 public:
  static constexpr int kResultOk = 1;
  static constexpr int kResultCancel = 2;
  // Longest wait for the calculator: 0.0003 day.
  static constexpr qint64 kWaitLimitMs = 25'920;

  explicit TOKBottomDlg(QWidget* parent = nullptr);

  // What the next showing runs and whose bottom edge it straddles. `files`
  // must outlive the showing; its output list receives the table.
  void SetCalculation(CalculatorFiles* files, QWidget* mainWindow);

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
  CalculatorFiles* files_ = nullptr;
  QPointer<QWidget> mainWindow_;
};
