#include "common/RandomTipPick.h"

#include <cstdint>

namespace {
// Misses tolerated before the large-collection pick stops drawing. Until only a small
// fraction of the Tips is left this bound is practically never reached, so the order
// stays uniform; at the very end of a cycle it keeps every Next short.
constexpr int kMaxMissesBeforeScan = 1024;

bool NeedsNewPick(const TipCycle& cycle, int tipCount, int candidate, bool forced)
{
    return forced || candidate < 1 || candidate > tipCount || cycle.contains(candidate);
}
} // namespace

int PickRandomTip(MsRandom& random, int tipCount)
{
    if (tipCount <= kSingleDrawTipLimit) {
        const int n = static_cast<int>(random.next() / 32767.0 * tipCount) + 1;
        return n > tipCount ? tipCount : n;
    }
    const auto high = static_cast<std::uint64_t>(random.next());
    const auto low = static_cast<std::uint64_t>(random.next());
    const std::uint64_t value = high << 15 | low; // 0 .. 2^30 - 1
    return static_cast<int>(value * static_cast<std::uint64_t>(tipCount) >> 30) + 1;
}

int PickUnseenTip(MsRandom& random, const TipCycle& cycle, int tipCount, int current,
                  bool forceNewPick)
{
    if (tipCount < 1)
        return 0;
    if (!NeedsNewPick(cycle, tipCount, current, forceNewPick))
        return current;
    if (tipCount <= kSingleDrawTipLimit) {
        // Every Tip is reachable by one draw and the generator runs through all its
        // values, so the loop below ends once we know some Tip is left.
        if (cycle.firstAbsentFrom(1, tipCount) == 0)
            return 0;
        int pick = PickRandomTip(random, tipCount);
        while (cycle.contains(pick))
            pick = PickRandomTip(random, tipCount);
        return pick;
    }
    int pick = PickRandomTip(random, tipCount);
    for (int misses = 1; cycle.contains(pick); ++misses) {
        if (misses >= kMaxMissesBeforeScan)
            return cycle.firstAbsentFrom(pick, tipCount);
        pick = PickRandomTip(random, tipCount);
    }
    return pick;
}
