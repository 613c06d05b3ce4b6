#include "frontend/calculator_run/termination.h"

#include <sys/socket.h>
#include <unistd.h>

#include <QCoreApplication>
#include <QSocketNotifier>
#include <csignal>

namespace frontend {

namespace {

// The handler may only write to a descriptor; the event loop reads the other
// end and quits.
int signalSockets[2] = {-1, -1};
bool terminationRequested = false;

void OnTerminationSignal(int /*signal*/) {
  const char byte = 1;
  [[maybe_unused]] const ssize_t written = ::write(signalSockets[0], &byte, 1);
}

}  // namespace

void QuitOnTerminationSignals() {
  if (::socketpair(AF_UNIX, SOCK_STREAM, 0, signalSockets) != 0) return;
  auto* notifier =
      new QSocketNotifier(signalSockets[1], QSocketNotifier::Read, QCoreApplication::instance());
  QObject::connect(notifier, &QSocketNotifier::activated, [] {
    char byte = 0;
    [[maybe_unused]] const ssize_t read = ::read(signalSockets[1], &byte, 1);
    terminationRequested = true;
    emit TerminationNotice::instance().requested();
    // Not quit(): that asks every window to close first, and the progress
    // dialog refuses, which would drop the request while the calculator runs.
    QCoreApplication::exit(0);
  });

  struct sigaction action = {};
  action.sa_handler = OnTerminationSignal;
  sigemptyset(&action.sa_mask);
  action.sa_flags = SA_RESTART;
  for (const int signal : {SIGTERM, SIGINT, SIGHUP}) ::sigaction(signal, &action, nullptr);
}

bool TerminationRequested() {
  return terminationRequested;
}

TerminationNotice& TerminationNotice::instance() {
  // Never destroyed: it may be reached until the program's last moment.
  static auto* notice = new TerminationNotice;
  return *notice;
}

}  // namespace frontend
