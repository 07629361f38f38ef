#include "common/Scramble.h"

#include "common/MsRandom.h"

std::string ScrambleText(const std::string& text, MsRandom& random)
{
    const int seed = DrawSeed(random);
    random.seed(static_cast<std::uint32_t>(seed));
    std::string line;
    line.resize(text.size() + 1);
    line[0] = static_cast<char>(seed);
    const std::size_t size = text.size();
    for (std::size_t j = 0; j < size; ++j) {
        const int shift = DrawShift(random);
        const auto byte = static_cast<unsigned char>(text[j]);
        line[j + 1] = static_cast<char>(j + 1 == size ? byte : (byte + shift) & 0xFF);
    }
    return line;
}

std::string UnscrambleText(const std::string& line, MsRandom& random)
{
    if (line.empty())
        return {};
    // The seed byte is taken as a signed char, as the original reader does.
    const auto seed = static_cast<std::int32_t>(static_cast<signed char>(line[0]));
    random.seed(static_cast<std::uint32_t>(seed));
    std::string text(line, 1);
    const std::size_t size = text.size();
    for (std::size_t j = 0; j < size; ++j) {
        const int shift = DrawShift(random);
        if (j + 1 < size)
            text[j] = static_cast<char>((static_cast<unsigned char>(text[j]) - shift) & 0xFF);
    }
    return text;
}
