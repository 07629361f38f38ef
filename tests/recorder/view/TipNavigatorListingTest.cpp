#include "NavigatorFixture.h"

#include "recorder/commands/CommandRegistry.h"
#include "recorder/data/NavigationState.h"
#include "recorder/view/NavigationCommands.h"
#include "recorder/view/NavigationMenuState.h"

namespace {

TEST_F(NavigatorTest, ShowAllListsNumberDateAndTextOfEveryTip)
{
    tips = TipCollection(
        {{"1/2/03\n", "Work\n", "First\r\nline\n"}, {"4/5/06\n", "Home\n", "Second\n"}});
    state.startWith(2);
    state.m_bTipCommandsEnabled = true;
    navigator.m_bForceNewPick = true;
    navigator.ShowAll();
    EXPECT_EQ(display.text, "Tip #1\n1/2/03\nFirst\r\nline\n\nTip #2\n4/5/06\nSecond\n");
    EXPECT_EQ(display.statusDate, "");
    EXPECT_EQ(display.statusCategory, "");
    EXPECT_TRUE(state.m_bScreenCleared);
    EXPECT_FALSE(state.m_bTipCommandsEnabled);
    EXPECT_TRUE(state.m_bClearEnabled);
    EXPECT_FALSE(navigator.m_bForceNewPick);
    EXPECT_EQ(state.m_CurrentTip, 2);
    EXPECT_EQ(state.m_HistoryCount, 1);
}

TEST_F(NavigatorTest, ShowTipByNumberAsksForTheNumberUnlessOneIsPending)
{
    useTips(6);
    state.startWith(2);
    int asked = 0;
    const auto answer = [&](std::optional<int> number) {
        return [&asked, number](int tipCount) {
            ++asked;
            EXPECT_EQ(tipCount, 6);
            return number;
        };
    };
    navigator.ShowTipByNumber(answer(std::nullopt));
    EXPECT_TRUE(display.shown.empty());

    navigator.ShowTipByNumber(answer(4));
    EXPECT_EQ(display.shown, std::vector<int>{4});
    EXPECT_EQ(state.m_PreviousTip, 2);

    navigator.m_nPendingTip = 6;
    navigator.ShowTipByNumber(answer(1));
    EXPECT_EQ(asked, 2);
    EXPECT_EQ(navigator.m_nPendingTip, 0);
    EXPECT_EQ(display.shown, (std::vector<int>{4, 6}));
    EXPECT_EQ(state.m_History, (std::vector<std::uint32_t>{0, 2, 4, 6}));
    EXPECT_EQ(state.m_CycleTips.entries(), (std::vector<std::uint32_t>{2, 4, 6}));

    navigator.ShowTipByNumber(answer(7)); // not a Tip
    EXPECT_EQ(display.shown.size(), 2u);
}

TEST_F(NavigatorTest, SearchWithOneHitShowsThatTip)
{
    useTips(5);
    state.startWith(1);
    navigator.ShowSearchResult({3, {}, {}, {}});
    EXPECT_EQ(display.shown, std::vector<int>{3});
    EXPECT_EQ(state.m_History.back(), 3u);
    EXPECT_TRUE(state.m_bTipCommandsEnabled);
    EXPECT_FALSE(state.m_bScreenCleared);
}

TEST_F(NavigatorTest, SearchWithSeveralHitsShowsTheListing)
{
    useTips(5);
    state.startWith(1);
    state.m_bTipCommandsEnabled = true;
    navigator.ShowSearchResult({0, "\nTip #2\nd2\nt2\n\nTip #4\nd4\nt4\n", "d2\n", {}});
    EXPECT_EQ(display.text, "Tip #2\nd2\nt2\n\nTip #4\nd4\nt4\n");
    EXPECT_EQ(display.statusDate, "d2\n");
    EXPECT_EQ(display.statusCategory, "");
    EXPECT_TRUE(state.m_bScreenCleared);
    EXPECT_FALSE(state.m_bTipCommandsEnabled);
    EXPECT_TRUE(state.m_bClearEnabled);
    EXPECT_EQ(state.m_CurrentTip, 1);
    EXPECT_TRUE(display.shown.empty());
}

struct MenuCase {
    int tipCount;
    bool prevFlag;
    bool closingFlag;
    bool random;
    NavigationMenuState expected;
};

class NavigationMenu : public NavigatorTest, public ::testing::WithParamInterface<MenuCase> {};

TEST_P(NavigationMenu, FollowsTheFlagsAndTheNumberOfTips)
{
    const MenuCase& c = GetParam();
    useTips(c.tipCount, c.random);
    state.m_bPrevEnabled = c.prevFlag;
    state.m_TipClosing = c.closingFlag;
    CommandRegistry registry;
    AttachNavigationCommands(registry, navigator, state, tips, [] { return 1; });

    const NavigationMenuState& e = c.expected;
    using Id = CommandId;
    EXPECT_EQ(registry.state(Id::Next), (CommandState{true, false}));
    EXPECT_EQ(registry.state(Id::Previous).enabled, e.previousEnabled);
    EXPECT_EQ(registry.state(Id::Latest).enabled, e.latestEnabled);
    EXPECT_EQ(registry.state(Id::AtClosing).enabled, e.atClosingEnabled);
    EXPECT_EQ(registry.state(Id::AtRandom), (CommandState{true, e.atRandomChecked}));
    EXPECT_EQ(registry.state(Id::InOrder), (CommandState{true, !e.atRandomChecked}));
    EXPECT_EQ(registry.state(Id::ShowAll).enabled, e.showAllEnabled);
    for (Id search : {Id::SearchCategory, Id::SearchDate, Id::SearchNumber, Id::SearchText})
        EXPECT_EQ(registry.state(search).enabled, e.searchEnabled);
}

// Expected: previous, latest, at closing, at random, show all, search.
INSTANTIATE_TEST_SUITE_P(
    Cases, NavigationMenu,
    ::testing::Values(MenuCase{0, false, false, true, {false, false, false, true, false, false}},
                      MenuCase{1, false, true, false, {false, true, true, false, true, false}},
                      MenuCase{2, true, false, true, {true, true, false, true, true, true}},
                      MenuCase{500, true, true, false, {true, true, true, false, true, true}}));

TEST_F(NavigatorTest, RegistryRunsTheNavigationCommands)
{
    useTips(4, false);
    state.startWith(1);
    CommandRegistry registry;
    AttachNavigationCommands(registry, navigator, state, tips, [] { return 3; });
    for (CommandId id :
         {CommandId::Next, CommandId::AtClosing, CommandId::Previous, CommandId::Latest})
        registry.run(id);
    EXPECT_EQ(display.shown, (std::vector<int>{2, 3, 2, 4}));
    registry.run(CommandId::AtRandom);
    EXPECT_TRUE(state.m_RandomOrder);
    EXPECT_TRUE(state.m_CycleTips.isEmpty());
    registry.run(CommandId::InOrder);
    EXPECT_FALSE(state.m_RandomOrder);
    registry.run(CommandId::ShowAll);
    EXPECT_EQ(display.listings, 1);
}

} // namespace
