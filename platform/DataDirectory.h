#pragma once

#include "common/DataFilePath.h"

#include <string>

// Where both shared files live: $PENNIVEL_DIR when set, else <XDG data home>/Pennivel.
// Returned as bytes in the local 8-bit encoding, without trailing separators (a lone
// "/" stays). A directory too long to hold a file path is unusable and comes back
// empty, as a directory that does not fit the path buffer did.
std::string DataDirectory();
