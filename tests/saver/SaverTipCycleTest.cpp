#include "saver/SaverTipCycle.h"
#include "common/MsRandom.h"
#include "saver/ClockText.h"

#include <gtest/gtest.h>
#include <set>

namespace {

TEST(SaverTipCycle, ThreeTipsEachOnceAndNoRepeatAtTheTurn)
{
    for (std::uint32_t seed = 0; seed < 300; ++seed) {
        MsRandom random;
        random.seed(seed * 104729);
        SaverTipCycle cycle;
        int previous = 0;
        for (int round = 0; round < 5; ++round) {
            std::set<int> seen;
            for (int i = 0; i < 3; ++i) {
                const int tip = cycle.next(random, 3);
                ASSERT_NE(tip, previous) << "seed " << seed << " round " << round;
                seen.insert(tip);
                previous = tip;
            }
            ASSERT_EQ(seen, (std::set<int>{1, 2, 3})) << "seed " << seed;
        }
    }
}

TEST(SaverTipCycle, OneTipAlways)
{
    MsRandom random;
    SaverTipCycle cycle;
    for (int i = 0; i < 5; ++i)
        EXPECT_EQ(cycle.next(random, 1), 1);
}

// Beyond what one draw tells apart: the cycle still shows every Tip once and ends.
TEST(SaverTipCycle, FortyThousandTipsWholeCycleWithoutRepeat)
{
    constexpr int kTips = 40'000;
    MsRandom random;
    random.seed(12345);
    SaverTipCycle cycle;
    std::vector<bool> seen(kTips + 1, false);
    int last = 0;
    for (int i = 0; i < kTips; ++i) {
        last = cycle.next(random, kTips);
        ASSERT_GE(last, 1);
        ASSERT_LE(last, kTips);
        ASSERT_FALSE(seen[static_cast<std::size_t>(last)]) << "Tip " << last << " twice";
        seen[static_cast<std::size_t>(last)] = true;
    }
    EXPECT_NE(cycle.next(random, kTips), last);
}

struct ClockCase {
    int hour;
    int minute;
    const char* text;
};

class ClockTextTable : public testing::TestWithParam<ClockCase> {};

TEST_P(ClockTextTable, TwelveHourClock)
{
    std::tm local{};
    local.tm_hour = GetParam().hour;
    local.tm_min = GetParam().minute;
    EXPECT_EQ(ClockText(local), GetParam().text);
}

INSTANTIATE_TEST_SUITE_P(Table, ClockTextTable,
                         testing::Values(ClockCase{0, 0, "12:00 AM"}, ClockCase{0, 59, "12:59 AM"},
                                         ClockCase{9, 5, "9:05 AM"}, ClockCase{11, 59, "11:59 AM"},
                                         ClockCase{12, 30, "12:30 PM"}, ClockCase{13, 0, "1:00 PM"},
                                         ClockCase{23, 9, "11:09 PM"}));

} // namespace
