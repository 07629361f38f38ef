#pragma once

#include <string>

// Whether `path` is the binary index strfile writes beside a fortune file (its ".dat"),
// told by its header, not by its name: a version of 1 or 2, a delimiter followed by
// three zero bytes, and one offset for each saying and one more.
bool IsStrfileIndex(const std::string& path);
