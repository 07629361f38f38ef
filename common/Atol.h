#pragma once

#include <cstdint>
#include <string_view>

// A number read the way the C runtime's atol reads it where long is 32 bits: leading
// blanks, an optional sign, digits up to the first non-digit; no digits gives 0 and a
// value beyond 32 bits saturates. Both programs' files were always read this way.
std::int32_t Atol(std::string_view text);
