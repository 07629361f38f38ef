#include "tests/recorder/view/TipCommandsFixture.h"

namespace {

const QString kDeleteQuestion = "You are about to delete the current Tip!\n\nContinue?";

TEST_F(TipCommandsTest, DeletingTheCurrentThirdOfFiveRenumbersEverythingAbove)
{
    showInTurn({4, 1, 5, 3});
    messages.queue(MessageAnswer::Yes);
    commands.DeleteCurrentTip();

    ASSERT_EQ(messages.texts(), QStringList({kDeleteQuestion}));
    EXPECT_EQ(messages.shown().front().icon, MessageIcon::Exclamation);
    EXPECT_EQ(tips.count(), 4);
    EXPECT_EQ(tips.get(3), SampleTip(4));
    EXPECT_EQ(tips.get(4), SampleTip(5));
    EXPECT_EQ(state.m_CycleTips.entries(), (std::vector<std::uint32_t>{3, 1, 4}));
    EXPECT_EQ(history(), (std::vector<std::uint32_t>{3, 1, 4}));
    EXPECT_EQ(state.m_CurrentTip, 2);
    EXPECT_FALSE(state.m_bTipCommandsEnabled);
    EXPECT_FALSE(state.m_bClearEnabled);
    EXPECT_FALSE(state.m_TipShown);
    EXPECT_TRUE(state.m_bScreenCleared);
    EXPECT_TRUE(host.shown.text.empty());
    EXPECT_TRUE(host.newPickForced);
    EXPECT_TRUE(commands.m_bModified);
}

TEST_F(TipCommandsTest, DeletingTipOneKeepsTheCurrentNumberAtOne)
{
    showInTurn({1});
    messages.queue(MessageAnswer::Yes);
    commands.DeleteCurrentTip();
    EXPECT_EQ(state.m_CurrentTip, 1);
    EXPECT_EQ(tips.get(1), SampleTip(2));
    EXPECT_EQ(state.m_HistoryCount, 0);
    EXPECT_FALSE(state.m_bPrevEnabled);
}

TEST_F(TipCommandsTest, DeletingTheLastTipLeavesNothingToGoBackTo)
{
    tips = SampleTips(1);
    showInTurn({1});
    state.m_bPrevEnabled = true;
    messages.queue(MessageAnswer::Yes);
    commands.DeleteCurrentTip();
    EXPECT_TRUE(tips.isEmpty());
    EXPECT_FALSE(state.m_bPrevEnabled);
    EXPECT_EQ(state.m_CycleTips.count(), 0);
}

struct ClosingCase {
    int stored;
    int deleted;
    int storedAfter;
    bool atClosingEnabled;
};

class StoredClosingTip : public TipCommandsTest,
                         public ::testing::WithParamInterface<ClosingCase> {};

TEST_P(StoredClosingTip, FollowsTheDeletion)
{
    const ClosingCase& c = GetParam();
    host.tipAtClosing = c.stored;
    state.m_TipClosing = true;
    showInTurn({c.deleted});
    messages.queue(MessageAnswer::Yes);
    commands.DeleteCurrentTip();
    EXPECT_EQ(host.tipAtClosing, c.storedAfter);
    EXPECT_EQ(state.m_TipClosing, c.atClosingEnabled);
}

INSTANTIATE_TEST_SUITE_P(Numbers, StoredClosingTip,
                         ::testing::Values(ClosingCase{3, 3, 3, false},  // that very Tip
                                           ClosingCase{4, 2, 3, true},   // a lower one
                                           ClosingCase{2, 4, 2, true},   // a higher one
                                           ClosingCase{0, 1, 0, true})); // none stored

TEST_F(TipCommandsTest, AnswerOtherThanYesKeepsTheTipAndItsCommands)
{
    for (MessageAnswer answer : {MessageAnswer::No, MessageAnswer::Cancel}) {
        showInTurn({2});
        state.m_bTipCommandsEnabled = false;
        messages.queue(answer);
        commands.DeleteCurrentTip();
        EXPECT_EQ(tips.count(), 5);
        EXPECT_TRUE(state.m_bTipCommandsEnabled);
        EXPECT_TRUE(state.m_bClearEnabled);
        EXPECT_FALSE(commands.m_bModified);
        EXPECT_EQ(host.shown, SampleTip(2));
    }
}

TEST_F(TipCommandsTest, DeleteTipNumberShowsTheTipBeforeAsking)
{
    showInTurn({2, 4});
    dialogs.numbers.push_back(4);
    messages.queue(MessageAnswer::No);
    commands.DeleteTipNumber();
    EXPECT_EQ(host.log, QStringList({"show 4"}));
    EXPECT_EQ(messages.texts(), QStringList({kDeleteQuestion}));
    // Entered in the history even though it repeats the newest entry.
    EXPECT_EQ(history(), (std::vector<std::uint32_t>{2, 4, 4}));
    EXPECT_EQ(state.m_PreviousTip, 4);
    EXPECT_EQ(tips.count(), 5);

    dialogs.numbers.push_back(1);
    messages.queue(MessageAnswer::Yes);
    commands.DeleteTipNumber();
    EXPECT_EQ(tips.get(1), SampleTip(2));
    EXPECT_EQ(history(), (std::vector<std::uint32_t>{1, 3, 3}));
    EXPECT_EQ(state.m_CurrentTip, 1);
}

TEST_F(TipCommandsTest, DeleteTipNumberCancelledChangesNothing)
{
    showInTurn({3});
    dialogs.numbers.push_back(std::nullopt);
    commands.DeleteTipNumber();
    EXPECT_TRUE(host.log.isEmpty());
    EXPECT_TRUE(messages.texts().isEmpty());
    EXPECT_EQ(state.m_CurrentTip, 3);
}

TEST_F(TipCommandsTest, DeleteAllEmptiesCollectionAndNavigationOnlyOnYes)
{
    showInTurn({1, 2});
    messages.queue(MessageAnswer::No);
    commands.DeleteAllTips();
    EXPECT_EQ(tips.count(), 5);
    EXPECT_FALSE(commands.m_bModified);

    state.m_TipClosing = true;
    messages.queue(MessageAnswer::Yes);
    commands.DeleteAllTips();
    EXPECT_EQ(messages.texts().last(), "You are about to delete all the Tips!\n\nContinue?");
    EXPECT_EQ(messages.shown().back().icon, MessageIcon::Stop);
    EXPECT_TRUE(tips.isEmpty());
    EXPECT_EQ(state.m_CycleTips.count(), 0);
    EXPECT_EQ(state.m_HistoryCount, 0);
    EXPECT_EQ(state.m_HistoryPos, 0);
    EXPECT_FALSE(state.m_TipClosing);
    EXPECT_FALSE(state.m_TipShown);
    EXPECT_FALSE(state.m_bTipCommandsEnabled);
    EXPECT_TRUE(host.shown.text.empty());
    EXPECT_TRUE(commands.m_bModified);
}

TEST_F(TipCommandsTest, EditWithTheTextEmptiedAsksToDelete)
{
    showInTurn({2});
    dialogs.edits.push_back(Tip{"d\n", "c\n", ""});
    messages.queue(MessageAnswer::No);
    state.m_bTipCommandsEnabled = false;
    commands.Edit();
    EXPECT_EQ(messages.texts(), QStringList({kDeleteQuestion}));
    EXPECT_EQ(tips.get(2), SampleTip(2));
    EXPECT_TRUE(state.m_bTipCommandsEnabled);
    EXPECT_TRUE(commands.m_bModified);

    dialogs.edits.push_back(Tip{"d\n", "c\n", ""});
    messages.queue(MessageAnswer::Yes);
    commands.Edit();
    EXPECT_EQ(tips.count(), 4);
    EXPECT_EQ(tips.get(2), SampleTip(3));
}

} // namespace
