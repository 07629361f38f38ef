#include "NavigatorFixture.h"

#include <set>

namespace {

const QString kOnlyTip = QStringLiteral("This is the only Tip.");
const QString kAllViewed = QStringLiteral("All the Tips have been viewed.\n\nStart over?");

TEST_F(NavigatorTest, InOrderWrapsFromTheLastTipToTip1)
{
    useTips(5, false);
    state.startWith(5);
    next(2);
    EXPECT_EQ(display.shown, (std::vector<int>{1, 2}));
    EXPECT_TRUE(messages.texts().isEmpty());
    EXPECT_EQ(state.m_PreviousTip, 1);
}

TEST_F(NavigatorTest, AtRandomFollowsTheGeneratorDrawByDraw)
{
    // Seed 1 draws 41, 18467, 6334, 26500, 19169, 15724: Tips 1, 6, 2, 9, (6 again), 5.
    useTips(10);
    random.seed(1);
    next(5);
    EXPECT_EQ(display.shown, (std::vector<int>{1, 6, 2, 9, 5}));
    EXPECT_EQ(state.m_CycleTips.entries(), (std::vector<std::uint32_t>{1, 6, 2, 9, 5}));
}

struct SingleTipCase {
    const char* name;
    bool randomOrder;
    bool noticeOff; // the window was cleared just before
    QStringList texts;
    std::vector<int> shown;
};

class SingleTip : public NavigatorTest, public ::testing::WithParamInterface<SingleTipCase> {};

TEST_P(SingleTip, NextTellsThatThereIsOnlyOneTip)
{
    const SingleTipCase& c = GetParam();
    useTips(1, c.randomOrder);
    state.startWith(1);
    state.m_bOnlyTipNoticeOff = c.noticeOff;
    next();
    EXPECT_EQ(messages.texts(), c.texts);
    EXPECT_EQ(display.shown, c.shown);
    EXPECT_FALSE(state.m_bPrevEnabled);
}

INSTANTIATE_TEST_SUITE_P(Cases, SingleTip,
                         ::testing::Values(SingleTipCase{"InOrder", false, false, {kOnlyTip}, {1}},
                                           SingleTipCase{"InOrderAfterClear", false, true, {}, {1}},
                                           SingleTipCase{"AtRandom", true, false, {kOnlyTip}, {1}},
                                           // Declined (Esc) start-over question: nothing shown.
                                           SingleTipCase{
                                               "AtRandomAfterClear", true, true, {kAllViewed}, {}}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(NavigatorTest, AtRandomShowsEveryTipOnceThenOffersToStartOver)
{
    for (std::uint32_t seed = 0; seed < 40; ++seed) {
        SCOPED_TRACE(seed);
        NavigationState fresh;
        state = fresh;
        display.shown.clear();
        messages.clear();
        useTips(4);
        random.seed(seed);

        next(4);
        ASSERT_EQ(std::set<int>(display.shown.begin(), display.shown.end()),
                  (std::set<int>{1, 2, 3, 4}));
        ASSERT_TRUE(messages.texts().isEmpty());

        const int last = display.shown.back();
        const NavigationState before = state;
        for (MessageAnswer refuse : {MessageAnswer::No, MessageAnswer::Cancel}) {
            messages.queue(refuse);
            next();
            EXPECT_EQ(display.shown.size(), 4u);
            EXPECT_EQ(state.m_CurrentTip, last);
            EXPECT_EQ(state.m_CycleTips.entries(), before.m_CycleTips.entries());
            EXPECT_EQ(state.m_History, before.m_History);
        }
        messages.queue(MessageAnswer::Yes);
        next();
        EXPECT_EQ(messages.texts(), QStringList(3, kAllViewed));
        ASSERT_EQ(display.shown.size(), 5u);
        EXPECT_NE(display.shown.back(), last);
        EXPECT_EQ(state.m_CycleTips.entries(),
                  std::vector<std::uint32_t>{static_cast<std::uint32_t>(display.shown.back())});
    }
}

TEST_F(NavigatorTest, SwitchingOrderStartsAFreshCycle)
{
    useTips(4);
    random.seed(7);
    next(3);
    navigator.SetRandomOrder(false);
    EXPECT_TRUE(state.m_CycleTips.isEmpty());
    EXPECT_FALSE(state.m_RandomOrder);
    const int current = state.m_CurrentTip;
    next();
    EXPECT_EQ(display.shown.back(), current % 4 + 1);

    navigator.SetRandomOrder(true);
    display.shown.clear();
    next(4);
    EXPECT_EQ(std::set<int>(display.shown.begin(), display.shown.end()),
              (std::set<int>{1, 2, 3, 4}));
    EXPECT_TRUE(messages.texts().isEmpty());
}

TEST_F(NavigatorTest, NextAfterADeleteDrawsAnewInsteadOfKeepingTheNumber)
{
    useTips(6);
    state.startWith(2);
    state.AddToCycle(5);
    state.m_CurrentTip = 5;
    // Tip 5 deleted: the Tip before it becomes current, as the delete command leaves it.
    tips.remove(5);
    state.forgetTip(5);
    state.m_CurrentTip = 4;
    navigator.m_bForceNewPick = true;

    MsRandom untouched = random;
    next();
    EXPECT_NE(random.next(), untouched.next()) << "a new pick was drawn";
    EXPECT_FALSE(navigator.m_bForceNewPick);
    EXPECT_EQ(state.m_CycleTips.count(), 2);
}

TEST_F(NavigatorTest, NoTipsIsReportedAndNothingElseHappens)
{
    useTips(0);
    next();
    navigator.ShowPreviousTip();
    EXPECT_EQ(messages.texts(), QStringList(2, QStringLiteral("There are no saved Tips.")));
    EXPECT_EQ(display.statusEmptied, 2);
    EXPECT_TRUE(display.shown.empty());
    EXPECT_EQ(state.m_HistoryCount, 0);
    navigator.ShowLatestTip();
    navigator.ShowAll();
    EXPECT_TRUE(display.shown.empty());
    EXPECT_EQ(display.listings, 0);
}

TEST_F(NavigatorTest, EveryTipOfAHugeCollectionIsReachedAtRandom)
{
    const int count = 40'000; // above what one draw can tell apart
    useTips(count);
    random.seed(11);
    next(count);
    std::vector<bool> seen(count + 1);
    for (int n : display.shown)
        seen[static_cast<std::size_t>(n)] = true;
    EXPECT_EQ(std::count(seen.begin() + 1, seen.end(), true), count);
    EXPECT_TRUE(messages.texts().isEmpty());
    next();
    EXPECT_EQ(messages.texts(), QStringList{kAllViewed});
}

} // namespace
