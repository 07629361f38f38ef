#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

// For readers that take a path: writes the input to one scratch file (in memory where
// there is such a folder, removed at exit) and returns its path.
const std::string& WriteScratchFile(const std::uint8_t* data, std::size_t size);
