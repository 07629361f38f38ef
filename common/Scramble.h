#pragma once

#include <string>
#include <string_view>

class MsRandom;

// The scrambling Tip texts and the password share: a seed byte 40..120 drawn from
// `random`, then one draw from the generator re-seeded with that seed for every byte of
// `plain`; the first `shiftedBytes` bytes are shifted by their draw, the rest copied.
std::string ScrambleBytes(std::string_view plain, std::size_t shiftedBytes, MsRandom& random);
// The same, appended to `out` without a string of its own.
void AppendScrambled(std::string& out, std::string_view plain, std::size_t shiftedBytes,
                     MsRandom& random);

// Reverses ScrambleBytes for a stored form (seed byte first). The seed byte is read as a
// signed char, as every reader always has; an empty form gives an empty result.
std::string UnscrambleBytes(std::string_view stored, std::size_t shiftedBytes, MsRandom& random);
// The same, in place: `stored` becomes the plain form.
void UnscrambleInPlace(std::string& stored, std::size_t shiftedBytes, MsRandom& random);
// The same on `size` bytes where they lie, except that the seed byte stays first for the
// caller to drop.
void UnshiftInPlace(char* stored, std::size_t size, std::size_t shiftedBytes, MsRandom& random);

// A stored Tip text becomes its file form: every byte is shifted except the last (the
// text's own "\n"), which is written as it is.
std::string ScrambleText(const std::string& text, MsRandom& random);

// Reverses ScrambleText. Tolerates any input: a line cut short keeps its last byte
// as it is, and an empty line gives an empty text.
std::string UnscrambleText(const std::string& line, MsRandom& random);
