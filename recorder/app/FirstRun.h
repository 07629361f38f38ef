#pragma once

struct RecorderServices;

// A user who has never run Pennivel has no settings store, and the data directory, if
// it exists at all (created by hand, or a new PENNIVEL_DIR), holds neither shared file;
// they get the same set-up as `pennivel-tool setup`. Anything else (a store without its
// values, a deleted file) is a damaged set-up and is left for the start-up checks to
// report.
void SetUpForBrandNewUser(RecorderServices& services);
