// Ends the event loop on SIGTERM, SIGINT and SIGHUP, so that the program
// leaves through its normal exit path and removes its temporary files.
#pragma once

// Call once after the application object exists.
void QuitOnTerminationSignals();

// True once a termination signal has been handled: a wait in progress stops
// and no further dialog is shown.
bool TerminationRequested();
