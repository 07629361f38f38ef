#pragma once

#include <string>
#include <string_view>

// A JSON string literal (with its quotes) for arbitrary bytes: valid UTF-8 sequences
// are kept as characters, every other byte becomes U+FFFD.
std::string JsonString(std::string_view bytes);

// One Tip as a JSON object: number, date, category and text (without their line ends);
// a part that is not UTF-8 also comes as "<part>_bytes", its exact bytes in base64, so
// that no byte is lost or mistaken for a character.
std::string TipAsJson(int number, std::string_view date, std::string_view category,
                      std::string_view text);
