#include "recorder/data/RandomPick.h"

#include "common/MsRandom.h"

#include <cstdint>

int PickRandomTip(MsRandom& random, int count)
{
    const std::int64_t draw = random.next();
    const auto n = static_cast<int>(draw * count / MsRandom::kMax) + 1;
    return n > count ? count : n;
}
