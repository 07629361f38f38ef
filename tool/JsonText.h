#pragma once

#include <string>
#include <string_view>

// A JSON string literal (with its quotes) for arbitrary bytes: valid UTF-8 sequences
// are kept as characters, every other byte becomes \u00XX with XX its value.
std::string JsonString(std::string_view bytes);
