#pragma once

// Makes SIGTERM and SIGINT end the program's event loop with status 0, so a saver host
// that stops the saver (or Ctrl+C in a terminal) ends it cleanly, windows closed.
// Call once, after the application object exists.
void QuitOnTerminationSignals();
