#pragma once

#include <string>

// Where both shared files live: $PENNIVEL_DIR when set, else <XDG data home>/Pennivel.
// Returned as bytes in the local 8-bit encoding, without a trailing separator (a lone
// "/" stays), exactly the string file paths are joined onto with "/".
std::string DataDirectory();

// `directory` + "/" + `fileName`, the way every shared-file path is formed.
std::string DataFilePath(const std::string& directory, const char* fileName);
