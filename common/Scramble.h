#pragma once

#include <string>

class MsRandom;

// A stored Tip text becomes its file form: a seed byte 40..120 drawn from `random`,
// then every byte shifted by a draw from the generator re-seeded with that seed; the
// last byte (the text's own "\n") is written unshifted.
std::string ScrambleText(const std::string& text, MsRandom& random);

// Reverses ScrambleText. Tolerates any input: a line cut short keeps its last byte
// as it is, and an empty line gives an empty text.
std::string UnscrambleText(const std::string& line, MsRandom& random);
