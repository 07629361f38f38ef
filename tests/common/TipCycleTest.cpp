#include "common/TipCycle.h"

#include <gtest/gtest.h>

using Entries = std::vector<std::uint32_t>;

namespace {

TEST(TipCycle, KeepsOrderAndRefusesDuplicatesAndNonTips)
{
    TipCycle cycle;
    for (int n : {5, 2, 5, 0, -3, 130, 2})
        cycle.add(n);
    EXPECT_EQ(cycle.entries(), (Entries{5, 2, 130}));
    EXPECT_EQ(cycle.count(), 3);
    EXPECT_TRUE(cycle.contains(130));
    EXPECT_FALSE(cycle.contains(129));
    EXPECT_FALSE(cycle.contains(0));
    EXPECT_FALSE(cycle.contains(1 << 30));

    cycle.clear();
    EXPECT_TRUE(cycle.isEmpty());
    EXPECT_FALSE(cycle.contains(5));
}

struct CycleForgetCase {
    Entries before;
    int deleted;
    Entries after;
    bool wasLast;
};

class TipCycleForget : public ::testing::TestWithParam<CycleForgetCase> {};

TEST_P(TipCycleForget, RemovesTheTipAndRenumbersTheOnesAbove)
{
    const CycleForgetCase& c = GetParam();
    TipCycle cycle;
    for (std::uint32_t n : c.before)
        cycle.add(static_cast<int>(n));
    EXPECT_EQ(cycle.forgetTip(c.deleted), c.wasLast);
    EXPECT_EQ(cycle.entries(), c.after);
    for (std::uint32_t n : c.after)
        EXPECT_TRUE(cycle.contains(static_cast<int>(n)));
    EXPECT_EQ(cycle.count(), static_cast<int>(c.after.size()));
}

INSTANTIATE_TEST_SUITE_P(
    Cases, TipCycleForget,
    ::testing::Values(CycleForgetCase{{3, 5, 4, 1}, 3, {4, 3, 1}, false},
                      CycleForgetCase{{1, 2, 5}, 5, {1, 2}, true},
                      // Not in the cycle: the entries above still follow their Tips down.
                      CycleForgetCase{{1, 4, 5}, 2, {1, 3, 4}, false},
                      CycleForgetCase{{}, 1, {}, false}));

TEST(TipCycle, FirstAbsentWrapsAroundAndSpansWords)
{
    TipCycle cycle;
    for (int n = 1; n <= 200; ++n)
        if (n != 7 && n != 150)
            cycle.add(n);
    EXPECT_EQ(cycle.firstAbsentFrom(1, 200), 7);
    EXPECT_EQ(cycle.firstAbsentFrom(8, 200), 150);
    EXPECT_EQ(cycle.firstAbsentFrom(151, 200), 7);
    EXPECT_EQ(cycle.firstAbsentFrom(151, 260), 201); // Tips above the marked ones
    cycle.add(7);
    cycle.add(150);
    EXPECT_EQ(cycle.firstAbsentFrom(100, 200), 0);
    EXPECT_EQ(cycle.firstAbsentFrom(5, 0), 0);
}

} // namespace
