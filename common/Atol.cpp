#include "common/Atol.h"

#include <cctype>
#include <limits>

std::int32_t Atol(std::string_view text)
{
    constexpr std::int64_t kMax = std::numeric_limits<std::int32_t>::max();
    constexpr std::int64_t kMin = std::numeric_limits<std::int32_t>::min();
    std::size_t i = 0;
    while (i < text.size() && std::isspace(static_cast<unsigned char>(text[i])))
        ++i;
    bool negative = false;
    if (i < text.size() && (text[i] == '+' || text[i] == '-'))
        negative = text[i++] == '-';
    std::int64_t magnitude = 0;
    for (; i < text.size() && std::isdigit(static_cast<unsigned char>(text[i])); ++i) {
        magnitude = magnitude * 10 + (text[i] - '0');
        if (magnitude > kMax + 1)
            break; // already saturated; the remaining digits cannot bring it back
    }
    std::int64_t number = negative ? -magnitude : magnitude;
    if (number > kMax)
        number = kMax;
    if (number < kMin)
        number = kMin;
    return static_cast<std::int32_t>(number);
}
