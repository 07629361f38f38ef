#include "saver/SaverTiming.h"
#include "common/MsRandom.h"
#include "saver/SaverColours.h"

#include <gtest/gtest.h>

namespace {

struct TimingCase {
    const char* name;
    SaverSettings settings;
    std::uint32_t periodMs;
    int colourEveryTicks;
};

SaverSettings Make(bool allTips, bool clock, bool timerOn, std::uint32_t timer, bool seconds,
                   bool minutes)
{
    return {allTips, clock, 1, timerOn, timer, seconds, minutes};
}

class SaverTimingTable : public testing::TestWithParam<TimingCase> {};

TEST_P(SaverTimingTable, PeriodAndColourTicks)
{
    const TimingCase& c = GetParam();
    EXPECT_EQ(ComputeSaverTiming(c.settings), (SaverTiming{c.periodMs, c.colourEveryTicks}));
}

const TimingCase kTimings[] = {
    {"TipsEveryTenSeconds", Make(true, false, true, 10, true, false), 10'000, 0},
    {"TipsEveryTwoMinutes", Make(true, false, true, 2, false, true), 120'000, 0},
    {"TipsEveryThreeHours", Make(false, false, true, 3, false, false), 10'800'000, 0},
    {"TipsTimerOffNeverFires", Make(true, false, false, 10, true, false), SaverTiming::kNeverMs, 0},
    {"ClockEveryTenSeconds", Make(false, true, true, 10, true, false), 10'000, 0},
    {"ClockEveryMinute", Make(false, true, true, 1, false, true), 60'000, 0},
    {"ClockEveryFiveMinutes", Make(false, true, true, 5, false, true), 60'000, 5},
    {"ClockEveryTwoHours", Make(false, true, true, 2, false, false), 60'000, 120},
    {"ClockTimerOffStillEveryMinute", Make(false, true, false, 10, true, false), 60'000, 0},
    {"CountZeroTakenAsOne", Make(true, false, true, 0, true, false), 1'000, 0},
    {"HugeCountTakenAs59", Make(true, false, true, 4294967295u, false, false), 212'400'000, 0},
    {"DefaultsClockEveryMinute", SaverSettings{false, true, 1, true, 1, false, true}, 60'000, 0},
};

INSTANTIATE_TEST_SUITE_P(Table, SaverTimingTable, testing::ValuesIn(kTimings),
                         [](const auto& info) { return info.param.name; });

// Paints (1-based) on which the chooser drew from the generator, over `paints` paints.
std::vector<int> PaintsThatDraw(ColourChooser chooser, int paints)
{
    MsRandom random;
    random.seed(99);
    std::vector<int> drawing;
    for (int paint = 1; paint <= paints; ++paint) {
        MsRandom before = random;
        chooser.colourForPaint(random);
        if (before.next() != MsRandom(random).next())
            drawing.push_back(paint);
    }
    return drawing;
}

struct ColourRuleCase {
    const char* name;
    ColourChooser chooser;
    std::vector<int> drawingPaints;
};

class ColourRules : public testing::TestWithParam<ColourRuleCase> {};

TEST_P(ColourRules, PaintsThatChangeTheColour)
{
    EXPECT_EQ(PaintsThatDraw(GetParam().chooser, 11), GetParam().drawingPaints);
}

const ColourRuleCase kColourRules[] = {
    {"ClockEveryFiveMinutes", ColourChooser(true, true, 5), {1, 5, 6, 10, 11}},
    {"ClockEveryTwoMinutes", ColourChooser(true, true, 2), {1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11}},
    {"ClockEveryTick", ColourChooser(true, true, 0), {1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11}},
    {"TipsEveryTick", ColourChooser(true, false, 0), {1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11}},
    {"TimerOffOnlyTheFirst", ColourChooser(false, false, 0), {1}},
    {"ClockTimerOffOnlyTheFirst", ColourChooser(false, true, 0), {1}},
};

INSTANTIATE_TEST_SUITE_P(Table, ColourRules, testing::ValuesIn(kColourRules),
                         [](const auto& info) { return info.param.name; });

} // namespace
