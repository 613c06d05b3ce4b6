// The shell that runs the calculator's script, and the calculator under it,
// kept in a session of their own so that both can be ended together, and
// ended by the system when this program dies without a chance to end them.
#pragma once

#include <QByteArray>
#include <QObject>
#include <QProcess>

namespace frontend {

class CalculatorProcess : public QObject {
  Q_OBJECT

 public:
  // Console output kept per run; the calculator's messages come first, and a
  // runaway program must not fill the memory.
  static constexpr qsizetype kMaxOutputBytes = 64 * 1024;

  explicit CalculatorProcess(QObject* parent = nullptr);
  ~CalculatorProcess() override;

  // Runs "/bin/sh <scriptPath>" in `directory`, with no input and standard
  // output and error merged. `runLock` (a descriptor holding the run's lock,
  // see run_numbers.h, or -1) is handed down to the shell and the
  // calculator, so that the run's files stay taken while any of them lives.
  // False when the shell cannot be started.
  bool Start(const QString& scriptPath, const QString& directory, int runLock = -1);

  // Ends the shell and the calculator, if still running, and waits until
  // both are gone; finished() is not emitted for them.
  void Stop();

  bool running() const { return process_.state() != QProcess::NotRunning; }
  // The session (and process group) of the last start, 0 before any.
  qint64 processGroup() const { return processGroup_; }
  // What the last run printed so far.
  const QByteArray& output() const { return output_; }

 signals:
  // The shell ended by itself; `normally` is false when a signal killed it.
  void finished(bool normally);

 private:
  void ReadOutput();
  void OnFinished(int exitCode, QProcess::ExitStatus status);

  QProcess process_;
  qint64 processGroup_ = 0;
  QByteArray output_;
};

}  // namespace frontend
