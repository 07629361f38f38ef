#include "recorder/dialogs/search/CSearchCategoryDlg.h"
#include "recorder/dialogs/search/CSearchDateDlg.h"
#include "recorder/dialogs/search/CSearchNumberDlg.h"
#include "recorder/dialogs/search/CSearchTextDlg.h"
#include "tests/recorder/dialogs/DialogTestKit.h"

#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QSpinBox>
#include <gtest/gtest.h>

namespace {

// What the user does in a search box before pressing Search: Down `picks` times through
// the list, then `typed` keys at the end of the box (nothing typed: no key at all).
struct Input {
    int picks = 0;
    QString typed;
    bool replace = true; // typing replaces the box rather than adding to it
    bool andMode = false;
};

void Enter(FieldSearchDlg& dialog, const Input& input)
{
    ShowAndActivate(dialog);
    QComboBox* box = Child<QComboBox>(dialog, "searchBox");
    box->setFocus();
    for (int i = 0; i < input.picks; ++i)
        QTest::keyClick(box, Qt::Key_Down);
    if (!input.typed.isNull()) {
        if (input.replace)
            TypeInto(box, input.typed);
        else
            QTest::keyClicks(box->lineEdit(), input.typed);
    }
    if (input.andMode)
        Child<QRadioButton>(dialog, "andButton")->click();
    box->setFocus();
    PressKey(dialog, Qt::Key_Return);
}

struct FieldCase {
    const char* name;
    bool byDate;
    Input input;
    QStringList messages;
    int foundCount; // -1: the dialog stays open
    int lastFound;
    QString boxAfter;
};

class FieldSearch : public ::testing::TestWithParam<FieldCase> {};

TEST_P(FieldSearch, SearchPressFindsOrExplains)
{
    const FieldCase& c = GetParam();
    TipCollection tips = TipsWithCategories({"General", "general", "Generalities", "Work"});
    const char* dates[] = {"02/20/09\n", "02/21/09\n", "12/01/21\n", "02/20/09\n"};
    for (int n = 1; n <= tips.count(); ++n)
        tips.replace(n, {dates[n - 1], tips.get(n).category, tips.get(n).text});
    ScriptedMessages messages;
    std::unique_ptr<FieldSearchDlg> dialog;
    if (c.byDate)
        dialog = std::make_unique<CSearchDateDlg>(nullptr, tips.count(), tips, messages);
    else
        dialog = std::make_unique<CSearchCategoryDlg>(nullptr, tips.count(), tips, messages);
    Enter(*dialog, c.input);

    EXPECT_EQ(messages.texts(), c.messages);
    EXPECT_EQ(dialog->isVisible(), c.foundCount < 0);
    if (c.foundCount >= 0) {
        EXPECT_EQ(dialog->foundCount, c.foundCount);
        EXPECT_EQ(dialog->lastFound, c.lastFound);
        EXPECT_TRUE(dialog->resultText.starts_with("\nTip #"));
    }
    EXPECT_EQ(Child<QComboBox>(*dialog, "searchBox")->currentText(), c.boxAfter);
    EXPECT_TRUE(dialog->terms.empty());
}

const QString kNotFound = QStringLiteral("Text not found.");

INSTANTIATE_TEST_SUITE_P(
    Rows, FieldSearch,
    ::testing::Values(
        // The list: General (general is the same category), Generalities, Work.
        FieldCase{"PickedGeneralIsExact", false, {1, {}}, {}, 1, 1, "General"},
        FieldCase{"TypedGenFindsAllCases", false, {0, "gen"}, {}, 3, 0, "gen"},
        FieldCase{"PickThenEditIsTyped", false, {1, " ", false}, {}, 3, 0, "General "},
        // The box itself takes a typed text equal to an entry for that entry on Enter.
        FieldCase{"TypedEntryTextIsTyped", false, {0, "General"}, {}, 3, 0, "General"},
        FieldCase{
            "AndWithoutAMatch", false, {0, "gen xyz", true, true}, {kNotFound}, -1, 0, "gen xyz"},
        FieldCase{"TypedSpacesOnly",
                  false,
                  {0, "   "},
                  {"Please enter a Category to search."},
                  -1,
                  0,
                  ""},
        FieldCase{"PickedDateIsExact", true, {1, {}}, {}, 2, 0, "02/20/09"},
        FieldCase{"TypedDigitsInsideDates", true, {0, "21"}, {}, 2, 0, "21"},
        FieldCase{"OneDateHit", true, {0, "12/"}, {}, 1, 3, "12/"},
        FieldCase{"TypedDateEmpty", true, {0, ""}, {"Please enter a Date to search."}, -1, 0, ""}),
    [](const auto& info) { return std::string(info.param.name); });

struct TextCase {
    const char* name;
    Input input;
    QStringList messages;
    bool closes;
    QStringList historyTop; // the first entries of the history afterwards
    QString historyLast;
};

class TextSearch : public ::testing::TestWithParam<TextCase> {};

TEST_P(TextSearch, HistoryFollowsEveryPress)
{
    const TextCase& c = GetParam();
    TipCollection tips;
    tips.append({"d\n", "c\n", "My family, my career\n"});
    tips.append({"d\n", "c\n", "Love and pain\n"});
    std::vector<std::string> words{"Love",   "Family", "Career",  "Relationships", "Father",
                                   "Mother", "People", "Friends", "Pain",          "Hobby"};
    ScriptedMessages messages;
    CSearchTextDlg dialog(nullptr, tips.count(), tips, messages, words);
    EXPECT_EQ(Child<QComboBox>(dialog, "searchBox")->currentText(), "Love");
    Enter(dialog, c.input);

    EXPECT_EQ(messages.texts(), c.messages);
    EXPECT_EQ(dialog.isVisible(), !c.closes);
    ASSERT_EQ(words.size(), 10u);
    for (qsizetype i = 0; i < c.historyTop.size(); ++i)
        EXPECT_EQ(words[static_cast<std::size_t>(i)], c.historyTop[i].toStdString()) << i;
    EXPECT_EQ(words.back(), c.historyLast.toStdString());
}

INSTANTIATE_TEST_SUITE_P(
    Rows, TextSearch,
    ::testing::Values(
        TextCase{"NewestSearchedAgain", {0, {}}, {}, true, {"Love", "Family"}, "Hobby"},
        TextCase{"PickedMovesToTheTop", {1, {}}, {}, true, {"Family", "Love", "Career"}, "Hobby"},
        TextCase{"TypedGoesOnTopTwice", {0, "Love"}, {}, true, {"Love", "Love", "Family"}, "Pain"},
        TextCase{"TypedListedGoesOnTopTwice",
                 {0, "Family"},
                 {},
                 true,
                 {"Family", "Love", "Family"},
                 "Pain"},
        TextCase{
            "NotFoundStillRemembered", {0, "zzz"}, {kNotFound}, false, {"zzz", "Love"}, "Pain"},
        TextCase{"SpacesChangeNothing",
                 {0, "  "},
                 {"Please enter a text to search."},
                 false,
                 {"Love", "Family"},
                 "Hobby"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(SearchNumber, AcceptsOnlyTheNumbersOfTips)
{
    for (auto [typed, accepted] : {std::pair{"1", true}, std::pair{"25", true},
                                   std::pair{"0", false}, std::pair{"26", false}}) {
        ScriptedMessages messages;
        CSearchNumberDlg dialog(nullptr, 25, messages);
        EXPECT_EQ(Child<QLabel>(dialog, "informationLine")->text(), "There are 25 Tips.");
        ShowAndActivate(dialog);
        QLineEdit* edit = Child<QSpinBox>(dialog, "numberBox")->findChild<QLineEdit*>();
        edit->selectAll();
        QTest::keyClicks(edit, typed);
        PressKey(dialog, Qt::Key_Return);
        EXPECT_EQ(dialog.isVisible(), !accepted) << typed;
        EXPECT_EQ(messages.texts(), accepted ? QStringList{}
                                             : QStringList{"Please enter a number between 1 "
                                                           "and 25."})
            << typed;
        if (accepted) {
            EXPECT_EQ(QString::number(dialog.number), typed);
        }
    }
}

} // namespace
