#include "tests/recorder/view/TipCommandsFixture.h"

namespace {

TEST_F(TipCommandsTest, AddAppendsInTheOrderAdded)
{
    dialogs.added.push_back({SampleTip(6), SampleTip(7)});
    commands.Add();
    ASSERT_EQ(tips.count(), 7);
    EXPECT_EQ(tips.get(6), SampleTip(6));
    EXPECT_EQ(tips.get(7), SampleTip(7));
    EXPECT_TRUE(commands.m_bModified);
    EXPECT_TRUE(host.log.isEmpty()); // the window stays as it was
}

TEST_F(TipCommandsTest, AddWithNothingAddedChangesNothing)
{
    dialogs.added.push_back({});
    commands.Add();
    EXPECT_EQ(tips.count(), 5);
    EXPECT_FALSE(commands.m_bModified);
}

struct AddEnablingCase {
    int tipsBefore;
    bool tipInWindow;
    bool enabled;
};

class AddEnabling : public TipCommandsTest,
                    public ::testing::WithParamInterface<AddEnablingCase> {};

TEST_P(AddEnabling, TipCommandsFollowTheWindow)
{
    const AddEnablingCase& c = GetParam();
    tips = SampleTips(c.tipsBefore);
    if (c.tipInWindow)
        showInTurn({1});
    state.m_bTipCommandsEnabled = !c.enabled;
    state.m_bClearEnabled = !c.enabled;
    dialogs.added.push_back({SampleTip(9)});
    commands.Add();
    EXPECT_EQ(state.m_bTipCommandsEnabled, c.enabled);
    EXPECT_EQ(state.m_bClearEnabled, c.enabled);
}

INSTANTIATE_TEST_SUITE_P(Windows, AddEnabling,
                         ::testing::Values(AddEnablingCase{0, false, false},
                                           AddEnablingCase{1, true, true},
                                           AddEnablingCase{1, false, false},
                                           AddEnablingCase{4, true, true}));

TEST_F(TipCommandsTest, AddOverAListingLeavesTheTipCommandsOff)
{
    showInTurn({2});
    host.shown.text = "\nTip #1\n...the listing of several Tips\n";
    state.m_bTipCommandsEnabled = false;
    dialogs.added.push_back({SampleTip(9)});
    commands.Add();
    EXPECT_FALSE(state.m_bTipCommandsEnabled);
    EXPECT_FALSE(state.m_bClearEnabled);
}

TEST_F(TipCommandsTest, EditReplacesTheShownTipAndShowsItAgain)
{
    showInTurn({3});
    const Tip edited{"new date\n", "new cat\n", "new text\r\nmore\n"};
    dialogs.edits.push_back(edited);
    commands.Edit();
    EXPECT_EQ(dialogs.editedNumber, 3);
    EXPECT_EQ(dialogs.editShown, SampleTip(3));
    EXPECT_EQ(tips.get(3), edited);
    EXPECT_EQ(host.shown, edited);
    EXPECT_EQ(host.log, QStringList({"show 3"}));
    EXPECT_TRUE(commands.m_bModified);
}

TEST_F(TipCommandsTest, EditLeftWithoutSavingChangesNothing)
{
    showInTurn({3});
    dialogs.edits.push_back(std::nullopt);
    commands.Edit();
    EXPECT_EQ(tips.get(3), SampleTip(3));
    EXPECT_TRUE(host.log.isEmpty());
    EXPECT_FALSE(commands.m_bModified);
}

struct SaveCase {
    SaveOutcome outcome;
    bool stillModified;
    QStringList messages;
};

class SaveOutcomes : public TipCommandsTest, public ::testing::WithParamInterface<SaveCase> {};

TEST_P(SaveOutcomes, OnlyAWrittenFileClearsTheFlag)
{
    const SaveCase& c = GetParam();
    host.saveReport = {c.outcome, "Cannot write /data/PennivelTips.ini: disk full"};
    commands.m_bModified = true;
    commands.Save();
    EXPECT_EQ(commands.m_bModified, c.stillModified);
    EXPECT_EQ(messages.texts(), c.messages);
    if (!c.messages.isEmpty()) {
        EXPECT_EQ(messages.shown().front().icon, MessageIcon::Stop);
    }
}

INSTANTIATE_TEST_SUITE_P(
    Outcomes, SaveOutcomes,
    ::testing::Values(
        SaveCase{SaveOutcome::Saved, false, {}}, SaveCase{SaveOutcome::Declined, true, {}},
        SaveCase{SaveOutcome::Failed, true, {"Cannot write /data/PennivelTips.ini: disk full"}}));

TEST_F(TipCommandsTest, ScreenSaverSavesOnlyUnsavedChangesThenOpensTheSettings)
{
    commands.ScreenSaver();
    EXPECT_EQ(host.saves, 0);
    commands.m_bModified = true;
    commands.ScreenSaver();
    EXPECT_EQ(host.saves, 1);
    EXPECT_FALSE(commands.m_bModified);
    EXPECT_EQ(dialogs.saverSettingsOpened, std::vector<int>({tips.count(), tips.count()}));
}

TEST_F(TipCommandsTest, NumberOfTipsSaysHowMany)
{
    for (auto [count, text] : {std::pair{0, "There are 0 Tips."}, std::pair{1, "There is 1 Tip."},
                               std::pair{2, "There are 2 Tips."}}) {
        tips = SampleTips(count);
        messages.clear();
        commands.NumberOfTips();
        EXPECT_EQ(messages.texts(), QStringList({text}));
        EXPECT_EQ(messages.shown().front().icon, MessageIcon::Information);
    }
}

TEST_F(TipCommandsTest, TipNumberAndDateLeavesAnEmptyLineBeforeTheCategory)
{
    showInTurn({4});
    commands.TipNumberAndDate();
    EXPECT_EQ(messages.texts(), QStringList({"Tip #4\n\nDate: date4\n\nCategory: cat4\n"}));
}

} // namespace
