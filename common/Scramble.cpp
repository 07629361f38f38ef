#include "common/Scramble.h"

#include "common/MsRandom.h"

#include <algorithm>

std::string ScrambleBytes(std::string_view plain, std::size_t shiftedBytes, MsRandom& random)
{
    const int seed = DrawSeed(random);
    random.seed(static_cast<std::uint32_t>(seed));
    std::string stored(1, static_cast<char>(seed));
    stored.append(plain);
    for (std::size_t j = 1; j < stored.size(); ++j) {
        const int shift = DrawShift(random);
        if (j <= shiftedBytes)
            stored[j] = static_cast<char>((static_cast<unsigned char>(stored[j]) + shift) & 0xFF);
    }
    return stored;
}

std::string UnscrambleBytes(std::string_view stored, std::size_t shiftedBytes, MsRandom& random)
{
    if (stored.empty())
        return {};
    const auto seed = static_cast<std::int32_t>(static_cast<signed char>(stored[0]));
    random.seed(static_cast<std::uint32_t>(seed));
    std::string plain(stored.substr(1));
    for (std::size_t j = 0; j < plain.size(); ++j) {
        const int shift = DrawShift(random);
        if (j < shiftedBytes)
            plain[j] = static_cast<char>((static_cast<unsigned char>(plain[j]) - shift) & 0xFF);
    }
    return plain;
}

std::string ScrambleText(const std::string& text, MsRandom& random)
{
    return ScrambleBytes(text, std::max<std::size_t>(text.size(), 1) - 1, random);
}

std::string UnscrambleText(const std::string& line, MsRandom& random)
{
    return UnscrambleBytes(line, std::max<std::size_t>(line.size(), 2) - 2, random);
}
