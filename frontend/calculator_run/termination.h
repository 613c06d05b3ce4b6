// Ends the event loop on SIGTERM, SIGINT and SIGHUP, so that the program
// leaves through its normal exit path and removes its temporary files.
#pragma once

#include <QObject>

namespace frontend {

// Call once after the application object exists.
void QuitOnTerminationSignals();

// True once a termination signal has been handled: a wait in progress stops
// and no further dialog is shown.
bool TerminationRequested();

// Announces a handled termination signal to whoever is waiting, before the
// event loops are left, so that a run in progress can be ended at once.
class TerminationNotice : public QObject {
  Q_OBJECT

 public:
  static TerminationNotice& instance();

 signals:
  void requested();
};

}  // namespace frontend
