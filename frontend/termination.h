// Ends the event loop on SIGTERM, SIGINT and SIGHUP, so that the program
// leaves through its normal exit path and removes its temporary files.
#pragma once

// Call once after the application object exists.
void QuitOnTerminationSignals();
