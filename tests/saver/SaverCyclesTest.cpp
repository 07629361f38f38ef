#include "common/MsRandom.h"
#include "saver/ClockText.h"
#include "saver/SaverColours.h"
#include "saver/SaverTipCycle.h"

#include <gtest/gtest.h>
#include <set>

namespace {

// Over many seeds, each cycle of `size` draws gives every value 1..size once, and no
// value comes twice in a row, not even at the turn of a cycle.
template <class Cycle, class Next> void ExpectWholeCyclesWithoutRepeat(int size, Next next)
{
    for (std::uint32_t seed = 0; seed < 300; ++seed) {
        MsRandom random;
        random.seed(seed * 104729);
        Cycle cycle;
        int previous = 0;
        for (int round = 0; round < 5; ++round) {
            std::set<int> seen;
            for (int i = 0; i < size; ++i) {
                const int value = next(cycle, random);
                ASSERT_NE(value, previous) << "seed " << seed << " round " << round;
                seen.insert(value);
                previous = value;
            }
            ASSERT_EQ(static_cast<int>(seen.size()), size) << "seed " << seed;
            ASSERT_EQ(*seen.begin(), 1);
            ASSERT_EQ(*seen.rbegin(), size);
        }
    }
}

TEST(SaverCycles, ColoursSixDifferentThenAnotherAtTheTurn)
{
    ExpectWholeCyclesWithoutRepeat<ColourCycle>(
        kSaverColourCount, [](ColourCycle& cycle, MsRandom& random) { return cycle.next(random); });
}

TEST(SaverCycles, ThreeTipsEachOnceThenAnotherAtTheTurn)
{
    ExpectWholeCyclesWithoutRepeat<SaverTipCycle>(
        3, [](SaverTipCycle& cycle, MsRandom& random) { return cycle.next(random, 3); });
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
