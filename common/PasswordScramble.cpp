#include "common/PasswordScramble.h"

#include "common/MsRandom.h"

std::string ScramblePassword(const std::string& password, MsRandom& random)
{
    const int seed = DrawSeed(random);
    random.seed(static_cast<std::uint32_t>(seed));
    std::string stored(1, static_cast<char>(seed));
    for (char c : password)
        stored += static_cast<char>((static_cast<unsigned char>(c) + DrawShift(random)) & 0xFF);
    return stored;
}

std::string UnscramblePassword(const std::string& stored, MsRandom& random)
{
    if (stored.empty())
        return {};
    // The seed is taken as a signed byte, as the original reader does.
    random.seed(
        static_cast<std::uint32_t>(static_cast<std::int32_t>(static_cast<signed char>(stored[0]))));
    std::string password(stored, 1);
    for (char& c : password)
        c = static_cast<char>((static_cast<unsigned char>(c) - DrawShift(random)) & 0xFF);
    return password;
}
