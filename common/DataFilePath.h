#pragma once

#include <string>

// The root directory's lone separator removed, so joining a file name with "/" never
// doubles it: "/" gives "", every other directory stays as it is.
std::string WithoutRootSeparator(std::string directory);

// `directory` + "/" + `fileName`, the way every shared-file path is formed.
std::string DataFilePath(const std::string& directory, const char* fileName);
