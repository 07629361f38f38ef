#include "recorder/dialogs/tip/CEditTipDlg.h"
#include "tests/recorder/dialogs/DialogTestKit.h"

#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <gtest/gtest.h>

namespace {

class EditTipDlgTest : public ::testing::Test {
  protected:
    std::unique_ptr<CEditTipDlg> open(const Tip& tip)
    {
        auto dialog =
            std::make_unique<CEditTipDlg>(nullptr, 2, tip, tips.count(), tips, messages, clock);
        ShowAndActivate(*dialog);
        return dialog;
    }

    static QPushButton* SaveButton(CEditTipDlg& d) { return Child<QPushButton>(d, "saveButton"); }

    TipCollection tips = TipsWithCategories({"Work", "family", "work"});
    Tip tip{"01/02/09\n", "Work\n", "line one\r\nline two\n"};
    ScriptedMessages messages;
    FixedClock clock{LocalNoon(2026, 12, 7)};
};

TEST_F(EditTipDlgTest, OpensWithTheTipsOwnPartsAndNothingPreselected)
{
    auto dialog = open(tip);
    EXPECT_EQ(Child<QLabel>(*dialog, "numberLabel")->text(), "Tip #2");
    EXPECT_EQ(DateBox(*dialog)->currentText(), "01/02/09");
    EXPECT_EQ(DateBox(*dialog)->currentIndex(), -1);
    EXPECT_EQ(CategoryBox(*dialog)->currentText(), "Work");
    EXPECT_EQ(TextBox(*dialog)->toPlainText(), "line one\nline two");
    EXPECT_EQ(Items(CategoryBox(*dialog)), QStringList({"family", "Work"})); // no General
    EXPECT_EQ(Items(DateBox(*dialog)).size(), 4);
    EXPECT_FALSE(SaveButton(*dialog)->isEnabled());
    EXPECT_FALSE(dialog->modified);
}

TEST_F(EditTipDlgTest, AnyChangeEnablesSave)
{
    for (int box = 0; box < 3; ++box) {
        auto dialog = open(tip);
        if (box == 0)
            TypeInto(TextBox(*dialog), "new");
        else if (box == 1)
            DateBox(*dialog)->setCurrentIndex(1);
        else
            TypeInto(CategoryBox(*dialog), "Home");
        EXPECT_TRUE(SaveButton(*dialog)->isEnabled()) << box;
        EXPECT_TRUE(dialog->modified) << box;
    }
}

TEST_F(EditTipDlgTest, SaveHandsBackTheNewPartsWithLineBreaks)
{
    auto dialog = open(tip);
    TypeInto(TextBox(*dialog), "  first\nsecond  ");
    TypeInto(CategoryBox(*dialog), " Home ");
    PressKey(*dialog, Qt::Key_S, Qt::AltModifier);
    ASSERT_TRUE(WaitUntil([&] { return !dialog->isVisible(); }));
    EXPECT_EQ(dialog->result(), QDialog::Accepted);
    EXPECT_TRUE(dialog->saved);
    EXPECT_EQ(dialog->origText, "first\r\nsecond\n");
    EXPECT_EQ(dialog->origCategory, "Home\n");
    EXPECT_EQ(dialog->origDate, "01/02/09\n");
}

TEST_F(EditTipDlgTest, EmptiedDateAndCategoryKeepTheTipsOwn)
{
    auto dialog = open(tip);
    TypeInto(DateBox(*dialog), "   ");
    TypeInto(CategoryBox(*dialog), "");
    SaveButton(*dialog)->click();
    EXPECT_TRUE(messages.texts().isEmpty());
    EXPECT_TRUE(dialog->saved);
    EXPECT_EQ(dialog->origDate, "01/02/09\n");
    EXPECT_EQ(dialog->origCategory, "Work\n");
    EXPECT_EQ(dialog->origText, "line one\r\nline two\n");
}

TEST_F(EditTipDlgTest, EmptiedTextAsksTheCallerToDelete)
{
    auto dialog = open(tip);
    TypeInto(TextBox(*dialog), " \n ");
    SaveButton(*dialog)->click();
    EXPECT_EQ(dialog->result(), QDialog::Accepted);
    EXPECT_TRUE(dialog->saved);
    EXPECT_EQ(dialog->origText, "");
}

TEST_F(EditTipDlgTest, MarkerAnywhereIsRefusedAndTheDialogStays)
{
    auto dialog = open(tip);
    TypeInto(CategoryBox(*dialog), "xz7k3w1x9j4q2");
    SaveButton(*dialog)->click();
    EXPECT_EQ(messages.texts(),
              QStringList({"Please modify text.\n\nz7k3w1x9j4q2 is not a viable text."}));
    EXPECT_TRUE(dialog->isVisible());
    EXPECT_FALSE(dialog->saved);
    EXPECT_EQ(dialog->origCategory, "Work\n");
}

struct CloseCase {
    MessageAnswer answer;
    bool closed;
    bool saved;
};

class EditCloseQuestion : public EditTipDlgTest, public ::testing::WithParamInterface<CloseCase> {};

TEST_P(EditCloseQuestion, ChangesAreOfferedBeforeClosing)
{
    const CloseCase& c = GetParam();
    auto dialog = open(tip);
    TypeInto(TextBox(*dialog), "changed");
    messages.queue(c.answer);
    PressKey(*dialog, Qt::Key_X, Qt::AltModifier);
    ASSERT_TRUE(WaitUntil([&] { return !messages.texts().isEmpty(); }));
    EXPECT_EQ(messages.texts(), QStringList({"Save the changes?"}));
    EXPECT_EQ(dialog->isVisible(), !c.closed);
    EXPECT_EQ(dialog->saved, c.saved);
    if (c.closed) {
        EXPECT_EQ(dialog->result(), QDialog::Accepted);
    }
    EXPECT_EQ(dialog->origText, c.saved ? "changed\n" : "line one\r\nline two\n");
}

INSTANTIATE_TEST_SUITE_P(Answers, EditCloseQuestion,
                         ::testing::Values(CloseCase{MessageAnswer::Yes, true, true},
                                           CloseCase{MessageAnswer::No, true, false},
                                           CloseCase{MessageAnswer::Cancel, false, false}));

TEST_F(EditTipDlgTest, UnchangedExitAndEscCloseWithCancel)
{
    auto dialog = open(tip);
    dialog->close();
    EXPECT_FALSE(dialog->isVisible());
    EXPECT_EQ(dialog->result(), QDialog::Rejected);

    auto changed = open(tip);
    TypeInto(TextBox(*changed), "changed");
    PressKey(*changed, Qt::Key_Escape);
    EXPECT_FALSE(changed->isVisible());
    EXPECT_EQ(changed->result(), QDialog::Rejected);
    EXPECT_FALSE(changed->saved);
    EXPECT_TRUE(messages.texts().isEmpty());
}

TEST_F(EditTipDlgTest, EnterInTheCategoryBoxIsExit)
{
    auto dialog = open(tip);
    TypeInto(CategoryBox(*dialog), "Home");
    messages.queue(MessageAnswer::Yes);
    PressKey(*dialog, Qt::Key_Return);
    EXPECT_FALSE(dialog->isVisible());
    EXPECT_EQ(dialog->origCategory, "Home\n");
}

TEST_F(EditTipDlgTest, OverlongLoadedDateBlocksSaveAndExitButNotEsc)
{
    auto dialog = open({"a date line much longer than twenty\n", "Work\n", "text\n"});
    TypeInto(TextBox(*dialog), "changed");
    SaveButton(*dialog)->click();
    dialog->close();
    Child<QPushButton>(*dialog, "exitButton")->click();
    EXPECT_EQ(messages.texts(), QStringList(3, "Enter no more than 20 characters."));
    EXPECT_TRUE(dialog->isVisible());
    EXPECT_FALSE(dialog->saved);

    // Shortening is allowed, so the user can bring it within the limit.
    QLineEdit* date = DateBox(*dialog)->lineEdit();
    date->setFocus();
    date->end(false);
    QTest::keyClick(date, Qt::Key_Backspace);
    EXPECT_EQ(date->text(), "a date line much longer than twent");

    PressKey(*dialog, Qt::Key_Escape);
    EXPECT_FALSE(dialog->isVisible());
}

} // namespace
