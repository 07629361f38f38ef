#pragma once

#include <optional>
#include <string>
#include <string_view>

// The value of `key` in `section` of an INI file's content, read as one text the way a
// person wrote it. The settings store reads a bare comma as a list separator and drops
// the spaces around it; this keeps both, and undoes quotes and backslash escapes as the
// store does. Empty when the key is not there. The result is UTF-8, as the file is.
std::optional<std::string> IniValueText(std::string_view ini, std::string_view section,
                                        std::string_view key);

// One raw value (what follows "=") with quotes and escapes undone, commas kept.
std::string UnescapeIniValue(std::string_view raw);
