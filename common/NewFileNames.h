#pragma once

#include <string>

// The directory part of `path` ("." when it has none), so a new file can be made
// beside the file it will replace.
std::string DirectoryOf(const std::string& path);

// A fresh name for the new file that will replace `path`: "<path>.new-<random>".
std::string NewFileNameFor(const std::string& path);
