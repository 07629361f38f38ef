#include "recorder/dialogs/tip/CAddTipDlg.h"
#include "recorder/dialogs/tip/TipDialogTexts.h"
#include "tests/recorder/dialogs/DialogTestKit.h"

#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QWhatsThis>
#include <gtest/gtest.h>
#include <optional>

namespace {

const QString kMarkerMessage = "Please modify text.\n\nz7k3w1x9j4q2 is not a viable text.";

class AddTipDlgTest : public ::testing::Test {
  protected:
    std::unique_ptr<CAddTipDlg> open(int dateFormat = 0)
    {
        auto dialog = std::make_unique<CAddTipDlg>(
            nullptr, tips.count(), tips,
            CAddTipDlg::Services{messages, clock, dateFormat,
                                 [this](int value) { storedDateFormat = value; }});
        ShowAndActivate(*dialog);
        return dialog;
    }

    static QPushButton* AddButton(CAddTipDlg& d) { return Child<QPushButton>(d, "addButton"); }
    static QString NumberShown(CAddTipDlg& d) { return Child<QLabel>(d, "numberLabel")->text(); }

    TipCollection tips = TipsWithCategories({"Work", "family"});
    ScriptedMessages messages;
    FixedClock clock{LocalNoon(2026, 12, 7)};
    std::optional<int> storedDateFormat;
};

TEST_F(AddTipDlgTest, OpensReadyForTyping)
{
    tips = {};
    auto dialog = open();
    EXPECT_EQ(NumberShown(*dialog), "Tip #1");
    EXPECT_EQ(Items(CategoryBox(*dialog)), QStringList({"General"}));
    EXPECT_EQ(CategoryBox(*dialog)->currentText(), "General");
    EXPECT_EQ(DateBox(*dialog)->currentText(), "12/07/26");
    EXPECT_EQ(Items(DateBox(*dialog)), QStringList({"12/07/26", "Dec  26", "2026", "07/12/26"}));
    EXPECT_EQ(QApplication::focusWidget(), TextBox(*dialog));
    EXPECT_FALSE(AddButton(*dialog)->isEnabled());
}

TEST_F(AddTipDlgTest, CategoryListIsSortedAndGainsGeneralOnlyWhenMissing)
{
    auto dialog = open();
    EXPECT_EQ(Items(CategoryBox(*dialog)), QStringList({"family", "General", "Work"}));
    tips = TipsWithCategories({"GENERAL", "b"});
    auto second = open();
    EXPECT_EQ(Items(CategoryBox(*second)), QStringList({"b", "GENERAL"}));
}

TEST_F(AddTipDlgTest, ThreeAddsByKeyboardThenEscHandBackAllThree)
{
    auto dialog = open();
    for (const char* text : {"first", "second", "third"}) {
        QTest::keyClicks(TextBox(*dialog), text);
        const int before = dialog->addedCount;
        PressKey(*dialog, Qt::Key_A, Qt::AltModifier);
        // At once: the next keys must not overtake the Add.
        ASSERT_EQ(dialog->addedCount, before + 1) << text;
        // The focus is back in the Text box, ready for the next Tip.
        ASSERT_EQ(QApplication::focusWidget(), TextBox(*dialog));
        EXPECT_TRUE(TextBox(*dialog)->toPlainText().isEmpty());
    }
    EXPECT_EQ(NumberShown(*dialog), "Tip #6");
    PressKey(*dialog, Qt::Key_Escape);
    EXPECT_FALSE(dialog->isVisible());
    EXPECT_TRUE(messages.texts().isEmpty());
    ASSERT_TRUE(dialog->anyAdded);
    EXPECT_EQ(dialog->addedTexts, (std::vector<std::string>{"first\n", "second\n", "third\n"}));
    EXPECT_EQ(dialog->addedDates, std::vector<std::string>(3, "12/07/26\n"));
    EXPECT_EQ(dialog->addedCategories, std::vector<std::string>(3, "General\n"));
}

struct EnablingCase {
    const char* text;
    const char* date;
    const char* category;
    bool enabled;
};

class AddEnabling : public AddTipDlgTest, public ::testing::WithParamInterface<EnablingCase> {};

TEST_P(AddEnabling, AddNeedsAllThreeBoxesFilled)
{
    const EnablingCase& c = GetParam();
    auto dialog = open();
    TypeInto(DateBox(*dialog), c.date);
    TypeInto(CategoryBox(*dialog), c.category);
    TypeInto(TextBox(*dialog), c.text);
    EXPECT_EQ(AddButton(*dialog)->isEnabled(), c.enabled);
}

INSTANTIATE_TEST_SUITE_P(Boxes, AddEnabling,
                         ::testing::Values(EnablingCase{"tip", "d", "c", true},
                                           EnablingCase{"", "d", "c", false},
                                           EnablingCase{"tip", "", "c", false},
                                           EnablingCase{"tip", "d", "", false},
                                           EnablingCase{"  \n \n", "d", "c", false},
                                           EnablingCase{"tip", "   ", "c", false},
                                           EnablingCase{"  tip", " d", " c", true}));

TEST_F(AddTipDlgTest, PickingFromTheListsCountsAsAChange)
{
    auto dialog = open(-1);
    TypeInto(TextBox(*dialog), "tip");
    EXPECT_FALSE(AddButton(*dialog)->isEnabled());
    DateBox(*dialog)->setCurrentIndex(2);
    EXPECT_TRUE(AddButton(*dialog)->isEnabled());
    EXPECT_EQ(DateBox(*dialog)->currentText(), "2026");
}

struct RefusalCase {
    const char* text;
    const char* date;
    const char* category;
    QString message;
    const char* dateAfter;
    const char* categoryAfter;
};

class AddRefusal : public AddTipDlgTest, public ::testing::WithParamInterface<RefusalCase> {};

// The empty-box messages can only be reached through the closing question: Add itself
// is disabled while a box is empty.
TEST_P(AddRefusal, ClosingQuestionYesShowsTheRuleAndStays)
{
    const RefusalCase& c = GetParam();
    auto dialog = open();
    TypeInto(DateBox(*dialog), c.date);
    TypeInto(CategoryBox(*dialog), c.category);
    TypeInto(TextBox(*dialog), c.text);
    messages.queue(MessageAnswer::Yes);
    Child<QPushButton>(*dialog, "exitButton")->click();
    EXPECT_EQ(messages.texts(), QStringList({"Save this Tip?", c.message}));
    EXPECT_EQ(messages.shown().at(1).icon, MessageIcon::Warning);
    EXPECT_TRUE(dialog->isVisible());
    EXPECT_FALSE(dialog->anyAdded);
    EXPECT_EQ(DateBox(*dialog)->currentText(), c.dateAfter);
    EXPECT_EQ(CategoryBox(*dialog)->currentText(), c.categoryAfter);
}

INSTANTIATE_TEST_SUITE_P(
    Rules, AddRefusal,
    ::testing::Values(
        RefusalCase{"tip", "  ", " ", "Please enter a Date and Category.", "", ""},
        RefusalCase{"tip", " ", "Work", "Please enter a Date.", "", "Work"},
        RefusalCase{"tip", "d", "  ", "Please enter a Category.", "d", ""},
        RefusalCase{"see xz7k3w1x9j4q2y", "d", "c", kMarkerMessage, "d", "c"},
        RefusalCase{"tip", "1z7k3w1x9j4q2", "c", kMarkerMessage, "1z7k3w1x9j4q2", "c"},
        RefusalCase{"tip", "d", "az7k3w1x9j4q2", kMarkerMessage, "d", "az7k3w1x9j4q2"}));

TEST_F(AddTipDlgTest, MarkerRefusedByTheAddButtonToo)
{
    auto dialog = open();
    TypeInto(TextBox(*dialog), "abcz7k3w1x9j4q2def");
    AddButton(*dialog)->click();
    EXPECT_EQ(messages.texts(), QStringList({kMarkerMessage}));
    EXPECT_EQ(dialog->addedCount, 0);
    EXPECT_EQ(TextBox(*dialog)->toPlainText(), "abcz7k3w1x9j4q2def");
}

struct CloseCase {
    MessageAnswer answer;
    bool closed;
    int added;
};

class AddCloseQuestion : public AddTipDlgTest, public ::testing::WithParamInterface<CloseCase> {};

TEST_P(AddCloseQuestion, UnaddedTextIsOfferedBeforeClosing)
{
    const CloseCase& c = GetParam();
    auto dialog = open();
    TypeInto(TextBox(*dialog), "earlier");
    AddButton(*dialog)->click();
    TypeInto(TextBox(*dialog), "pending  ");
    messages.queue(c.answer);
    dialog->close(); // the window's close box
    ASSERT_EQ(messages.texts(), QStringList({"Save this Tip?"}));
    EXPECT_EQ(messages.shown().front().buttons, MessageButtons::YesNoCancel);
    EXPECT_EQ(dialog->isVisible(), !c.closed);
    EXPECT_EQ(dialog->addedCount, c.added);
    EXPECT_TRUE(dialog->anyAdded); // the Tip added earlier is never lost
    if (c.added == 2) {
        EXPECT_EQ(dialog->addedTexts.back(), "pending\n");
    }
}

INSTANTIATE_TEST_SUITE_P(Answers, AddCloseQuestion,
                         ::testing::Values(CloseCase{MessageAnswer::Yes, true, 2},
                                           CloseCase{MessageAnswer::No, true, 1},
                                           CloseCase{MessageAnswer::Cancel, false, 1}));

TEST_F(AddTipDlgTest, ClosesWithoutAskingWhenNothingIsPending)
{
    for (const char* text : {"", "  \n  "}) {
        auto dialog = open();
        TypeInto(TextBox(*dialog), text);
        PressKey(*dialog, Qt::Key_X, Qt::AltModifier);
        EXPECT_TRUE(WaitUntil([&] { return !dialog->isVisible(); })) << text;
    }
    auto dialog = open();
    TypeInto(TextBox(*dialog), "tip");
    AddButton(*dialog)->click();
    dialog->close();
    EXPECT_FALSE(dialog->isVisible());
    EXPECT_TRUE(messages.texts().isEmpty());
}

TEST_F(AddTipDlgTest, EnterInTheDateOrCategoryBoxExitsButStartsALineInTheText)
{
    for (QComboBox* (*box)(QWidget&) : {&DateBox, &CategoryBox}) {
        auto dialog = open();
        TypeInto(TextBox(*dialog), "line one");
        PressKey(*dialog, Qt::Key_Return);
        EXPECT_TRUE(dialog->isVisible());
        TypeInto(box(*dialog), "x");
        messages.queue(MessageAnswer::No);
        PressKey(*dialog, Qt::Key_Return);
        EXPECT_EQ(messages.texts().size(), 1); // the pending text is offered first
        EXPECT_FALSE(dialog->isVisible());
        messages.clear();
    }
}

TEST_F(AddTipDlgTest, TypedLineBreaksAreStoredAsCarriageReturnLineFeed)
{
    auto dialog = open();
    TypeInto(TextBox(*dialog), "one\ntwo\n\nthree\n");
    AddButton(*dialog)->click();
    ASSERT_EQ(dialog->addedCount, 1);
    EXPECT_EQ(dialog->addedTexts.front(), "one\r\ntwo\r\n\r\nthree\n");
}

TEST_F(AddTipDlgTest, NewCategoryJoinsTheListAndOtherCaseIsStoredAsTyped)
{
    auto dialog = open();
    TypeInto(CategoryBox(*dialog), "general");
    TypeInto(TextBox(*dialog), "a");
    AddButton(*dialog)->click();
    TypeInto(CategoryBox(*dialog), "Hobby");
    TypeInto(TextBox(*dialog), "b");
    AddButton(*dialog)->click();
    EXPECT_EQ(dialog->addedCategories, (std::vector<std::string>{"general\n", "Hobby\n"}));
    EXPECT_EQ(Items(CategoryBox(*dialog)), QStringList({"family", "General", "Hobby", "Work"}));
    EXPECT_EQ(CategoryBox(*dialog)->currentText(), "Hobby"); // kept for the next Tip
}

TEST_F(AddTipDlgTest, LinesStopAtTwentyVisibleCharacters)
{
    auto dialog = open();
    TypeInto(DateBox(*dialog), "123456789012345678901234");
    EXPECT_EQ(DateBox(*dialog)->currentText(), "12345678901234567890");
    const QString accented = QString::fromUtf8("e\u0301").repeated(25);
    DateBox(*dialog)->lineEdit()->clear();
    DateBox(*dialog)->lineEdit()->insert(accented);
    EXPECT_EQ(DateBox(*dialog)->currentText(), QString()); // refused whole: 25 > 20
    DateBox(*dialog)->lineEdit()->insert(accented.left(40));
    EXPECT_EQ(DateBox(*dialog)->currentText(), accented.left(40)); // 20 seen, 40 stored
    // One character, but more accents than a line of the Tips file holds.
    const QString heavy = QStringLiteral("e") + QString(600, QChar(0x0301));
    CategoryBox(*dialog)->lineEdit()->clear();
    CategoryBox(*dialog)->lineEdit()->insert(heavy);
    EXPECT_EQ(CategoryBox(*dialog)->currentText(), QString());
    CategoryBox(*dialog)->lineEdit()->insert(heavy.left(400));
    EXPECT_EQ(CategoryBox(*dialog)->currentText(), heavy.left(400));
}

TEST_F(AddTipDlgTest, OverlongCategoryPickedFromTheListIsReported)
{
    tips = TipsWithCategories({"a category name far too long"});
    auto dialog = open();
    CategoryBox(*dialog)->setCurrentIndex(0);
    TypeInto(TextBox(*dialog), "tip");
    AddButton(*dialog)->click();
    EXPECT_EQ(messages.texts(), QStringList({"Enter no more than 20 characters."}));
    EXPECT_EQ(dialog->addedCount, 0);
    EXPECT_EQ(QApplication::focusWidget(), CategoryBox(*dialog));
}

TEST_F(AddTipDlgTest, F1ShowsTheHelpOfTheFocusedBox)
{
    auto dialog = open();
    const auto helpShown = [] {
        for (QWidget* w : QApplication::topLevelWidgets())
            if (w->isVisible() && QByteArray(w->metaObject()->className()) == "QWhatsThat")
                return true;
        return false;
    };
    ASSERT_FALSE(helpShown());
    PressKey(*dialog, Qt::Key_F1);
    EXPECT_TRUE(helpShown());
    EXPECT_TRUE(dialog->isVisible());
    QWhatsThis::hideText();
}

struct DateFormatCase {
    int stored;
    const char* shown;
};

class AddDateFormat : public AddTipDlgTest, public ::testing::WithParamInterface<DateFormatCase> {};

TEST_P(AddDateFormat, StoredPositionPreselectsTheChoice)
{
    auto dialog = open(GetParam().stored);
    EXPECT_EQ(DateBox(*dialog)->currentText(), GetParam().shown);
}

INSTANTIATE_TEST_SUITE_P(Positions, AddDateFormat,
                         ::testing::Values(DateFormatCase{0, "12/07/26"},
                                           DateFormatCase{1, "Dec  26"}, DateFormatCase{2, "2026"},
                                           DateFormatCase{3, "07/12/26"}, DateFormatCase{4, ""},
                                           DateFormatCase{-1, ""}, DateFormatCase{1000000, ""}));

TEST_F(AddTipDlgTest, AddingWithOneOfTheChoicesStoresItsPosition)
{
    auto dialog = open();
    DateBox(*dialog)->setCurrentIndex(3);
    TypeInto(TextBox(*dialog), "a");
    AddButton(*dialog)->click();
    EXPECT_EQ(storedDateFormat, 3);

    storedDateFormat.reset();
    TypeInto(DateBox(*dialog), "dec  26"); // typed, in another case
    TypeInto(TextBox(*dialog), "b");
    AddButton(*dialog)->click();
    EXPECT_EQ(storedDateFormat, 1);

    storedDateFormat.reset();
    TypeInto(DateBox(*dialog), "yesterday");
    TypeInto(TextBox(*dialog), "c");
    AddButton(*dialog)->click();
    EXPECT_FALSE(storedDateFormat.has_value());
    EXPECT_EQ(dialog->dateIndex, -1);
    EXPECT_EQ(dialog->addedDates.back(), "yesterday\n");

    auto next = open(3); // what the caller hands in after storing 3
    EXPECT_EQ(DateBox(*next)->currentText(), "07/12/26");
}

} // namespace
