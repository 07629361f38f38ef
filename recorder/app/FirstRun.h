#pragma once

struct RecorderServices;

// A user who has never run Pennivel has neither the data directory nor a settings
// store; they get the same set-up as `pennivel-tool setup`. Anything else (a store
// without its values, a deleted file) is a damaged set-up and is left for the
// start-up checks to report.
void SetUpForBrandNewUser(RecorderServices& services);
