#include "recorder/dialogs/tip/CDeleteTipNumberDlg.h"
#include "tests/recorder/dialogs/DialogTestKit.h"

#include <QLabel>
#include <QLineEdit>
#include <QSpinBox>
#include <gtest/gtest.h>

namespace {

struct NumberCase {
    int tipCount;
    const char* typed;
    QStringList messages;
    bool accepted;
};

class DeleteTipNumber : public ::testing::TestWithParam<NumberCase> {};

TEST_P(DeleteTipNumber, OkClosesOnlyOnANumberOfATip)
{
    const NumberCase& c = GetParam();
    ScriptedMessages messages;
    CDeleteTipNumberDlg dialog(nullptr, c.tipCount, messages);
    ShowAndActivate(dialog);
    QLineEdit* edit = Child<QSpinBox>(dialog, "numberBox")->findChild<QLineEdit*>();
    edit->selectAll();
    QTest::keyClick(edit, Qt::Key_Delete);
    QTest::keyClicks(edit, c.typed);
    PressKey(dialog, Qt::Key_Return);
    EXPECT_EQ(messages.texts(), c.messages);
    EXPECT_EQ(dialog.isVisible(), !c.accepted);
    if (c.accepted) {
        EXPECT_EQ(QString::number(dialog.number),
                  QString::fromLatin1(c.typed).remove('-').remove('x'));
    }
}

INSTANTIATE_TEST_SUITE_P(
    Typed, DeleteTipNumber,
    ::testing::Values(NumberCase{12, "12", {}, true}, NumberCase{12, "1", {}, true},
                      NumberCase{12, "13", {"Please enter a number between 1 and 12."}, false},
                      NumberCase{12, "0", {"Please enter a number between 1 and 12."}, false},
                      NumberCase{12, "", {"Please enter a whole number."}, false},
                      NumberCase{12, "-3x", {}, true}, // only digits reach the box
                      NumberCase{1000000, "999999", {}, true}));

TEST(DeleteTipNumberDlg, InformationLineCountsTheTips)
{
    ScriptedMessages messages;
    for (auto [count, line] :
         {std::pair{12, "There are 12 Tips."}, std::pair{2, "There are 2 Tips."},
          std::pair{1, "There is 1 Tip."}}) {
        CDeleteTipNumberDlg dialog(nullptr, count, messages);
        EXPECT_EQ(Child<QLabel>(dialog, "informationLine")->text(), line);
        EXPECT_EQ(Child<QSpinBox>(dialog, "numberBox")->isEnabled(), count != 1);
    }
}

TEST(DeleteTipNumberDlg, WithOneTipOkHandsBackOne)
{
    ScriptedMessages messages;
    CDeleteTipNumberDlg dialog(nullptr, 1, messages);
    ShowAndActivate(dialog);
    Child<QPushButton>(dialog, "okButton")->click();
    EXPECT_FALSE(dialog.isVisible());
    EXPECT_EQ(dialog.result(), QDialog::Accepted);
    EXPECT_EQ(dialog.number, 1);
}

TEST(DeleteTipNumberDlg, ArrowsStayWithinTheTips)
{
    ScriptedMessages messages;
    CDeleteTipNumberDlg dialog(nullptr, 3, messages);
    ShowAndActivate(dialog);
    auto* box = Child<QSpinBox>(dialog, "numberBox");
    for (int i = 0; i < 5; ++i)
        QTest::keyClick(box, Qt::Key_Up);
    EXPECT_EQ(box->value(), 3);
    for (int i = 0; i < 5; ++i)
        QTest::keyClick(box, Qt::Key_Down);
    EXPECT_EQ(box->value(), 1);
    PressKey(dialog, Qt::Key_Escape);
    EXPECT_EQ(dialog.result(), QDialog::Rejected);
}

} // namespace
