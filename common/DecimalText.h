#pragma once

#include <cstdint>
#include <string_view>

// Numbers in the files and settings are read the way the C runtime's atol reads them:
// leading white space, an optional sign, decimal digits; anything else ends the
// number, and no digits at all give 0. Values beyond 32 bits saturate.
std::int32_t ParseDecimal(std::string_view text);
