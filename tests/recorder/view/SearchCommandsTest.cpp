#include "recorder/view/SearchCommands.h"
#include "recorder/view/TipNavigator.h"
#include "tests/recorder/view/ViewRig.h"
#include "tests/support/ScriptedSearchDialogs.h"

#include <gtest/gtest.h>

namespace {

// The default Tips: 1 (02/20/09), 2 (02/21/09) and 3 (02/22/09), all General.
class SearchCommandsTest : public ::testing::Test {
  protected:
    SearchCommandsTest() { search.attach(rig.frame.commands()); }

    void run(CommandId id) { rig.frame.runCommand(id); }

    ViewRig rig;
    ScriptedSearchDialogs dialogs;
    SearchCommands search{rig.doc(), rig.view->navigator(), dialogs};
};

struct OutcomeCase {
    const char* name;
    CommandId command;
    FieldSearchAnswer answer;
    int currentTip; // 0: a listing is shown
    QString statusNumber, statusDate, statusCategory;
};

class SearchResultShown : public SearchCommandsTest,
                          public ::testing::WithParamInterface<OutcomeCase> {};

TEST_P(SearchResultShown, OneHitBecomesTheTipSeveralAListing)
{
    const OutcomeCase& c = GetParam();
    CBrevantDoc& doc = rig.doc();
    doc.m_CurrentTip = 1;
    rig.view->ShowCurrentTip();
    dialogs.answers.push_back(c.answer);
    run(c.command);

    if (c.currentTip != 0) {
        EXPECT_EQ(doc.m_CurrentTip, c.currentTip);
        EXPECT_EQ(doc.m_CurrentText, doc.app().m_Tips.get(c.currentTip).text);
        EXPECT_TRUE(doc.m_bTipCommandsEnabled);
        EXPECT_EQ(doc.m_History[static_cast<std::size_t>(doc.m_HistoryCount)],
                  static_cast<std::uint32_t>(c.currentTip));
    } else {
        EXPECT_EQ(doc.m_CurrentText, c.answer.resultText.substr(1));
        EXPECT_EQ(doc.m_CurrentTip, 1); // a listing leaves navigation where it was
        EXPECT_FALSE(doc.m_bTipCommandsEnabled);
        EXPECT_TRUE(doc.m_bScreenCleared);
    }
    // The Tip's own parts carry their line end into the panes.
    EXPECT_EQ(rig.frame.m_StatusNumber, c.statusNumber);
    EXPECT_EQ(rig.frame.m_StatusDate.trimmed(), c.statusDate);
    EXPECT_EQ(rig.frame.m_StatusCategory.trimmed(), c.statusCategory);
}

const std::string kTwoHits = "\nTip #1\n02/20/09\nfirst\n\nTip #3\n02/22/09\nthird\n";

INSTANTIATE_TEST_SUITE_P(
    Rows, SearchResultShown,
    ::testing::Values(
        OutcomeCase{
            "CategoryListing", CommandId::SearchCategory, {0, kTwoHits, "gen"}, 0, "", "", "gen"},
        OutcomeCase{"DateListing", CommandId::SearchDate, {0, kTwoHits, "09"}, 0, "", "09", ""},
        OutcomeCase{"TextListing", CommandId::SearchText, {0, kTwoHits, "the"}, 0, "", "", ""},
        OutcomeCase{"SingleDateHit",
                    CommandId::SearchDate,
                    {3, "\nTip #3\n02/22/09\nthird\n", "22"},
                    3,
                    "Tip #3",
                    "02/22/09",
                    "General"},
        OutcomeCase{"SingleTextHit",
                    CommandId::SearchText,
                    {2, "\nTip #2\nx\ny\n", "most"},
                    2,
                    "Tip #2",
                    "02/21/09",
                    "General"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(SearchCommandsTest, TextSearchHistoryIsStoredEvenWhenCancelled)
{
    dialogs.newHistory = {"risks",  "Love",   "Family", "Career",  "Relationships",
                          "Father", "Mother", "People", "Friends", "Pain"};
    const std::string before = rig.doc().m_CurrentText;
    run(CommandId::SearchText); // nothing queued: cancelled
    EXPECT_EQ(rig.doc().m_CurrentText, before);
    for (std::size_t i = 0; i < 10; ++i)
        EXPECT_EQ(rig.settings().read(Key::SearchTexts[i]), dialogs.newHistory[i]) << i;
    EXPECT_EQ(rig.doc().app().m_SearchWords, dialogs.newHistory);
}

TEST_F(SearchCommandsTest, NumberSearchShowsTheChosenTipAndNeedsTwoTips)
{
    dialogs.numbers.push_back(2);
    run(CommandId::SearchNumber);
    EXPECT_EQ(rig.doc().m_CurrentTip, 2);
    EXPECT_EQ(rig.frame.m_StatusNumber, "Tip #2");

    EXPECT_TRUE(rig.frame.action(CommandId::SearchText)->isEnabled());
    rig.doc().app().m_Tips.remove(3);
    rig.doc().app().m_Tips.remove(2);
    rig.frame.refreshCommandStates();
    for (CommandId id : {CommandId::SearchCategory, CommandId::SearchDate, CommandId::SearchText,
                         CommandId::SearchNumber})
        EXPECT_FALSE(rig.frame.action(id)->isEnabled());
}

} // namespace
