#include "NavigatorFixture.h"

namespace {

const QString kCycledBack =
    QStringLiteral("You have cycled back through all previously read Tips.");
const QString kStartOver =
    QStringLiteral("You have cycled back through all previously read Tips.\n\nStart over?");

// What Delete > Screen leaves behind.
void ClearScreen(NavigationState& state)
{
    state.m_bClearEnabled = state.m_bTipCommandsEnabled = false;
    state.m_bScreenCleared = state.m_bOnlyTipNoticeOff = true;
}

TEST_F(NavigatorTest, PreviousWalksBackAndOffersToStartOverAtTheFirstTip)
{
    useTips(5, false);
    next();
    EXPECT_FALSE(state.m_bPrevEnabled);
    next(2);
    EXPECT_TRUE(state.m_bPrevEnabled);

    navigator.ShowPreviousTip();
    navigator.ShowPreviousTip();
    EXPECT_EQ(display.shown, (std::vector<int>{1, 2, 3, 2, 1}));
    EXPECT_TRUE(state.m_bLastWasPrevious);

    navigator.ShowPreviousTip(); // Esc: stays on Tip 1
    EXPECT_EQ(display.shown.size(), 5u);
    messages.queue(MessageAnswer::Yes);
    navigator.ShowPreviousTip();
    EXPECT_EQ(display.shown.back(), 3);
    EXPECT_EQ(state.m_HistoryPos, 3);
    EXPECT_EQ(messages.texts(), QStringList(2, kStartOver));
    EXPECT_EQ(state.m_HistoryCount, 3) << "Previous never adds to the history";
    EXPECT_EQ(state.m_CycleTips.count(), 3);
}

TEST_F(NavigatorTest, PreviousWithOneShownTipSaysSoAndDisablesItself)
{
    useTips(3);
    state.startWith(2);
    state.m_bPrevEnabled = true;
    navigator.ShowPreviousTip();
    EXPECT_EQ(messages.texts(), QStringList{kCycledBack});
    EXPECT_FALSE(state.m_bPrevEnabled);
    EXPECT_TRUE(display.shown.empty());
}

TEST_F(NavigatorTest, PreviousAfterClearingTheWindowShowsTheClearedTip)
{
    useTips(5, false);
    next(3);
    ClearScreen(state);
    navigator.ShowPreviousTip();
    navigator.ShowPreviousTip();
    EXPECT_EQ(display.shown, (std::vector<int>{1, 2, 3, 3, 2}));
    EXPECT_TRUE(state.m_bTipCommandsEnabled);
    EXPECT_FALSE(state.m_bScreenCleared);
}

// Deletes move the history position onto 0 or past the last entry; Previous must still
// show a real Tip.
TEST_F(NavigatorTest, PreviousAfterDeletingTheFirstHistoryTip)
{
    useTips(3, false);
    next(2);
    navigator.ShowPreviousTip(); // Tip 1, position 1
    tips.remove(1);
    state.forgetTip(1);
    navigator.m_bForceNewPick = true;
    navigator.ShowPreviousTip();
    EXPECT_EQ(display.shown.back(), 1); // the former Tip 2
    EXPECT_EQ(display.text, "t2\n");
    EXPECT_EQ(state.m_HistoryPos, 1);
}

TEST_F(NavigatorTest, PreviousAfterDeletingTheNewestTipAndAListing)
{
    useTips(3, false);
    next(3);
    navigator.ShowPreviousTip();
    navigator.ShowPreviousTip();
    messages.queue(MessageAnswer::Yes);
    navigator.ShowPreviousTip(); // back on Tip 3 at the last position
    tips.remove(3);
    state.forgetTip(3);
    navigator.m_bForceNewPick = true;
    navigator.ShowAll();
    navigator.ShowPreviousTip();
    EXPECT_EQ(display.shown.back(), 2);
    EXPECT_EQ(state.m_HistoryPos, 2);
}

TEST_F(NavigatorTest, LatestShowsTheNewestTipAndEntersCycleAndHistory)
{
    useTips(5);
    state.startWith(2);
    navigator.m_bForceNewPick = true;
    navigator.ShowLatestTip();
    EXPECT_EQ(display.shown, std::vector<int>{5});
    EXPECT_EQ(state.m_History, (std::vector<std::uint32_t>{0, 2, 5}));
    EXPECT_TRUE(state.m_CycleTips.contains(5));
    EXPECT_TRUE(state.m_bPrevEnabled && state.m_bTipCommandsEnabled && state.m_bClearEnabled);
    EXPECT_FALSE(navigator.m_bForceNewPick);
}

TEST_F(NavigatorTest, WithASingleTipPreviousStaysDisabledAfterAnyMove)
{
    useTips(1);
    state.startWith(1);
    const auto moves = {+[](TipNavigator& n) { n.ShowLatestTip(); },
                        +[](TipNavigator& n) { n.ShowTipByNumber([](int) { return 1; }); },
                        +[](TipNavigator& n) { n.ShowNextTip(); }};
    for (auto move : moves) {
        navigator.SetRandomOrder(true); // an empty cycle: the move enters the history anew
        move(navigator);
        EXPECT_FALSE(state.m_bPrevEnabled);
    }
    EXPECT_EQ(state.m_HistoryCount, 4);
}

struct AtClosingCase {
    int stored;
    int shown;
};

class AtClosing : public NavigatorTest, public ::testing::WithParamInterface<AtClosingCase> {};

TEST_P(AtClosing, ShowsTheStoredTipOrElseTheLatest)
{
    useTips(5);
    state.startWith(1);
    navigator.ShowTipAtClosing(GetParam().stored);
    EXPECT_EQ(display.shown, std::vector<int>{GetParam().shown});
    EXPECT_FALSE(navigator.m_bFromAtClosing);
    EXPECT_EQ(state.m_History.back(), static_cast<std::uint32_t>(GetParam().shown));
}

INSTANTIATE_TEST_SUITE_P(Cases, AtClosing,
                         ::testing::Values(AtClosingCase{3, 3}, AtClosingCase{5, 5},
                                           AtClosingCase{6, 5}, AtClosingCase{0, 5},
                                           AtClosingCase{-7, 5}));

TEST_F(NavigatorTest, FreshCycleEntersTheHistoryEvenWhenItRepeatsTheNewestEntry)
{
    useTips(3);
    state.startWith(3);
    navigator.SetRandomOrder(true);
    navigator.ShowLatestTip();
    EXPECT_EQ(state.m_History, (std::vector<std::uint32_t>{0, 3, 3}));
    navigator.ShowLatestTip();
    EXPECT_EQ(state.m_HistoryCount, 2);
}

} // namespace
