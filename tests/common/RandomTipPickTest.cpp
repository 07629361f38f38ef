#include "common/RandomTipPick.h"

#include <gtest/gtest.h>
#include <set>

namespace {

// The generator's first draws after seed 1: 41, 18467, 6334, 26500, 19169, 15724.
MsRandom SeededOne()
{
    MsRandom random;
    random.seed(1);
    return random;
}

TEST(PickRandomTip, OneDrawScaledToTheCountUpToTheSingleDrawLimit)
{
    MsRandom random = SeededOne();
    std::vector<int> picks;
    for (int i = 0; i < 6; ++i)
        picks.push_back(PickRandomTip(random, 10));
    EXPECT_EQ(picks, (std::vector<int>{1, 6, 2, 9, 6, 5}));

    // The top draw lands one past the count and is held at the last Tip.
    MsRandom top;
    for (std::uint32_t seed = 0;; ++seed) {
        top.seed(seed);
        MsRandom probe = top;
        if (probe.next() == MsRandom::kMax)
            break;
    }
    EXPECT_EQ(PickRandomTip(top, kSingleDrawTipLimit), kSingleDrawTipLimit);
}

TEST(PickRandomTip, TwoDrawsAboveTheLimitReachTheWholeRange)
{
    MsRandom random = SeededOne();
    MsRandom twoAhead = SeededOne();
    twoAhead.next();
    twoAhead.next();
    const int count = 1'000'000;
    const int first = PickRandomTip(random, count);
    EXPECT_EQ(first, static_cast<int>((41ull << 15 | 18467ull) * count >> 30) + 1);
    EXPECT_EQ(random.next(), twoAhead.next());

    int highest = 0;
    for (int i = 0; i < 20000; ++i) {
        const int n = PickRandomTip(random, count);
        ASSERT_GE(n, 1);
        ASSERT_LE(n, count);
        highest = std::max(highest, n);
    }
    EXPECT_GT(highest, 990'000); // one draw alone would never pass 32,768
}

TEST(PickUnseenTip, KeepsAnUnseenCurrentTipWithoutDrawing)
{
    MsRandom random = SeededOne();
    TipCycle cycle;
    cycle.add(2);
    EXPECT_EQ(PickUnseenTip(random, cycle, 10, 4, false), 4);
    EXPECT_EQ(random.next(), 41);
}

TEST(PickUnseenTip, RedrawsForSeenOutOfRangeOrForcedTips)
{
    TipCycle cycle;
    cycle.add(6);
    cycle.add(1);
    // Draws give 1, 6 (both seen), then 2.
    for (int current : {6, 11, 0}) {
        MsRandom random = SeededOne();
        EXPECT_EQ(PickUnseenTip(random, cycle, 10, current, false), 2) << current;
    }
    MsRandom random = SeededOne();
    EXPECT_EQ(PickUnseenTip(random, cycle, 10, 3, true), 2);
}

TEST(PickUnseenTip, ReportsACompleteCycle)
{
    TipCycle cycle;
    for (int n = 1; n <= 3; ++n)
        cycle.add(n);
    MsRandom random = SeededOne();
    EXPECT_EQ(PickUnseenTip(random, cycle, 3, 1, false), 0);
    EXPECT_EQ(PickUnseenTip(random, cycle, 3, 1, true), 0);
}

TEST(PickUnseenTip, FindsTheLastTipsOfALargeCollection)
{
    const int count = 100'000;
    TipCycle cycle;
    for (int n = 1; n <= count; ++n)
        if (n != 12345 && n != 99999)
            cycle.add(n);
    MsRandom random = SeededOne();
    std::set<int> found;
    for (int i = 0; i < 2; ++i) {
        const int n = PickUnseenTip(random, cycle, count, 1, false);
        found.insert(n);
        cycle.add(n);
    }
    EXPECT_EQ(found, (std::set<int>{12345, 99999}));
    EXPECT_EQ(PickUnseenTip(random, cycle, count, 1, false), 0);
}

} // namespace
