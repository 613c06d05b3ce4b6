// One run of the calculator's script, without any window: the previous run's
// flag and table are removed, the script is started and awaited up to a time
// limit, and the lunar-day table is read back. Driven by the event loop; the
// progress dialog shows it to the user, the command line simply waits.
#pragma once

#include <QElapsedTimer>
#include <QObject>
#include <chrono>

#include "frontend/calculator_run/calculator_process.h"
#include "frontend/calculator_run/run_outcome.h"

class QTimer;
namespace frontend {
struct CalculatorFiles;
}  // namespace frontend

namespace frontend {

class CalculatorRun : public QObject {
  Q_OBJECT

 public:
  // Longest wait for the calculator: 0.0003 day.
  static constexpr std::chrono::milliseconds kWaitLimit{25'920};

  explicit CalculatorRun(QObject* parent = nullptr);

  // Starts the script of `files` (which must outlive the run); ended() follows
  // from the event loop, or at once when the run cannot even start.
  void Start(const CalculatorFiles* files, std::chrono::milliseconds limit = kWaitLimit);

  // Ends the script and the calculator, if still running, and waits until both
  // are gone; ended() is not emitted for this run.
  void Stop();

  // The script is still running.
  bool running() const { return calculator_.running(); }
  // Milliseconds since the script was started.
  qint64 elapsedMs() const { return clock_.isValid() ? clock_.elapsed() : 0; }
  // The session of the last script started, 0 before any.
  qint64 processGroup() const { return calculator_.processGroup(); }

 signals:
  // The run is over: its table, or why there is none.
  void ended(const frontend::RunOutcome& outcome);

 private:
  void ScriptFinished(bool normally);
  void WaitLimitReached();
  void End(RunOutcome outcome);

  const CalculatorFiles* files_ = nullptr;
  CalculatorProcess calculator_;
  QElapsedTimer clock_;  // monotonic: a clock change cannot cut or stretch the wait
  QTimer* limitTimer_ = nullptr;
};

// Runs the script of `files` and waits for its end in an event loop of its
// own; for callers without a window.
RunOutcome RunCalculatorAndWait(const CalculatorFiles& files,
                                std::chrono::milliseconds limit = CalculatorRun::kWaitLimit);

}  // namespace frontend
