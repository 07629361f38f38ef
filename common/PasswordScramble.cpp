#include "common/PasswordScramble.h"

#include "common/Scramble.h"

std::string ScramblePassword(const std::string& password, MsRandom& random)
{
    return ScrambleBytes(password, password.size(), random);
}

std::string UnscramblePassword(const std::string& stored, MsRandom& random)
{
    return UnscrambleBytes(stored, stored.empty() ? 0 : stored.size() - 1, random);
}
