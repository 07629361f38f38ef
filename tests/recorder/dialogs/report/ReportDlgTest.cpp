#include "recorder/dialogs/report/CReportDlg.h"
#include "tests/recorder/dialogs/DialogTestKit.h"

#include <QApplication>
#include <QClipboard>
#include <QPlainTextEdit>
#include <QPushButton>
#include <functional>
#include <gtest/gtest.h>

namespace {

const std::string kReport = "There are 2 Tips.\r\n\r\n--- Number of Tips in each Category "
                            "---\r\n2\tLove";

struct CloseCase {
    const char* name;
    std::function<void(CReportDlg&)> close;
};

void PrintTo(const CloseCase& c, std::ostream* os)
{
    *os << c.name;
}

class ReportDlgCloses : public ::testing::TestWithParam<CloseCase> {};

} // namespace

TEST_P(ReportDlgCloses, ByItsButtonOrItsKeys)
{
    CReportDlg dialog(nullptr, kReport);
    ShowAndActivate(dialog);
    GetParam().close(dialog);
    EXPECT_TRUE(WaitUntil([&] { return !dialog.isVisible(); }));
}

INSTANTIATE_TEST_SUITE_P(
    Cases, ReportDlgCloses,
    ::testing::Values(
        CloseCase{"ExitButton",
                  [](CReportDlg& d) { d.findChild<QPushButton*>("exitButton")->click(); }},
        CloseCase{"Escape", [](CReportDlg& d) { PressKey(d, Qt::Key_Escape); }},
        CloseCase{"AltX", [](CReportDlg& d) { PressKey(d, Qt::Key_X, Qt::AltModifier); }}));

TEST(ReportDlg, ShowsTheReportLineByLineReadOnlyAndCopyable)
{
    CReportDlg dialog(nullptr, kReport);
    EXPECT_EQ(dialog.windowTitle(), "Report");
    QPlainTextEdit* box = dialog.textBox();
    EXPECT_TRUE(box->isReadOnly());
    EXPECT_EQ(box->document()->blockCount(), 4);
    EXPECT_EQ(box->verticalScrollBarPolicy(), Qt::ScrollBarAlwaysOn);
    ShowAndActivate(dialog);
    QTest::keyClick(box, Qt::Key_A, Qt::ControlModifier);
    QTest::keyClick(box, Qt::Key_C, Qt::ControlModifier);
    EXPECT_EQ(QApplication::clipboard()->text(),
              "There are 2 Tips.\n\n--- Number of Tips in each Category ---\n2\tLove");
}
