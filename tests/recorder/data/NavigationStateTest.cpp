#include "recorder/data/NavigationState.h"

#include <gtest/gtest.h>

using Entries = std::vector<std::uint32_t>;

namespace {

NavigationState WithHistory(const Entries& shown, int position, bool lastWasPrevious)
{
    NavigationState state;
    for (std::uint32_t n : shown) {
        state.AddToCycle(static_cast<int>(n));
        state.RecordInHistory(static_cast<int>(n), true);
    }
    state.m_HistoryPos = position;
    state.m_bLastWasPrevious = lastWasPrevious;
    return state;
}

TEST(NavigationState, StartWithMakesTheFirstEntryOfCycleAndHistory)
{
    NavigationState state;
    state.startWith(4);
    EXPECT_EQ(state.m_CurrentTip, 4);
    EXPECT_EQ(state.m_CycleTips.entries(), Entries{4});
    EXPECT_EQ(state.m_History, (Entries{0, 4}));
    EXPECT_EQ(state.m_HistoryCount, 1);
    EXPECT_EQ(state.m_HistoryPos, 1);
    EXPECT_TRUE(state.m_TipShown);
    EXPECT_FALSE(state.m_bPrevEnabled);
}

TEST(NavigationState, RecordInHistorySkipsARepeatUnlessFresh)
{
    NavigationState state;
    state.startWith(4);
    state.m_bLastWasPrevious = true;
    state.RecordInHistory(4, false);
    EXPECT_EQ(state.m_HistoryCount, 1);
    EXPECT_TRUE(state.m_bLastWasPrevious);

    state.RecordInHistory(4, true);
    EXPECT_EQ(state.m_History, (Entries{0, 4, 4}));
    EXPECT_TRUE(state.m_bPrevEnabled);
    EXPECT_FALSE(state.m_bLastWasPrevious);

    // Previous went back to position 1; a new Tip lands at the end, not over position 2.
    state.m_HistoryPos = 1;
    state.RecordInHistory(7, false);
    EXPECT_EQ(state.m_History, (Entries{0, 4, 4, 7}));
    EXPECT_EQ(state.m_HistoryPos, 3);
}

struct HistoryForgetCase {
    const char* name;
    Entries shown;
    int position;
    bool lastWasPrevious;
    int deleted;
    Entries history;
    int positionAfter;
    Entries cycle;
};

class NavigationStateForget : public ::testing::TestWithParam<HistoryForgetCase> {};

TEST_P(NavigationStateForget, FixesCycleHistoryAndPosition)
{
    const HistoryForgetCase& c = GetParam();
    NavigationState state = WithHistory(c.shown, c.position, c.lastWasPrevious);
    state.forgetTip(c.deleted);
    EXPECT_EQ(state.m_History, c.history);
    EXPECT_EQ(state.m_HistoryCount, static_cast<int>(c.history.size()) - 1);
    EXPECT_EQ(state.m_HistoryPos, c.positionAfter);
    EXPECT_EQ(state.m_CycleTips.entries(), c.cycle);
    EXPECT_EQ(state.m_bPrevEnabled, state.m_HistoryCount > 1);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, NavigationStateForget,
    ::testing::Values(
        // Tips 4 and 5 become 3 and 4; the position follows every removal.
        HistoryForgetCase{"AfterNext", {1, 3, 4, 5, 3}, 5, false, 3, {0, 1, 3, 4}, 3, {1, 3, 4}},
        // After Previous only removals before the position move it.
        HistoryForgetCase{"AfterPrevious", {2, 3, 2, 4}, 3, true, 2, {0, 2, 3}, 2, {2, 3}},
        HistoryForgetCase{"LastTip", {1}, 1, false, 1, {0}, 0, {}},
        HistoryForgetCase{"NotShown", {1, 5}, 2, false, 3, {0, 1, 4}, 2, {1, 4}}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(NavigationState, ForgetTipTurnsTheNoticeOffWhenTheNewestCycleEntryGoes)
{
    NavigationState state = WithHistory({2, 1}, 2, false);
    state.forgetTip(2);
    EXPECT_FALSE(state.m_bOnlyTipNoticeOff);
    state.forgetTip(1);
    EXPECT_TRUE(state.m_bOnlyTipNoticeOff);
}

TEST(NavigationState, ForgetAllTipsLeavesNothingToNavigate)
{
    NavigationState state = WithHistory({2, 1, 3}, 3, false);
    state.m_TipClosing = true;
    state.m_bTipCommandsEnabled = state.m_bClearEnabled = true;
    state.forgetAllTips();
    EXPECT_TRUE(state.m_CycleTips.isEmpty());
    EXPECT_EQ(state.m_History, Entries{0});
    EXPECT_EQ(state.m_HistoryCount, 0);
    EXPECT_EQ(state.m_HistoryPos, 0);
    EXPECT_FALSE(state.m_bPrevEnabled || state.m_TipShown || state.m_TipClosing ||
                 state.m_bTipCommandsEnabled || state.m_bClearEnabled);
    EXPECT_TRUE(state.m_bScreenCleared);
}

} // namespace
