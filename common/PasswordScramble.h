#pragma once

#include <string>

class MsRandom;

// The stored form of a password: a seed byte 40..120 drawn from `random`, then every
// byte of the password shifted by a draw from the generator re-seeded with that seed.
// Unlike a Tip text, the last byte is shifted too. The generator is left in a state
// that depends on the password; callers re-seed it from the clock afterwards.
std::string ScramblePassword(const std::string& password, MsRandom& random);

// Reverses ScramblePassword. A stored form of one byte (or none) gives the empty
// password.
std::string UnscramblePassword(const std::string& stored, MsRandom& random);
