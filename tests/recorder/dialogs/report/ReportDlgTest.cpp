#include "recorder/dialogs/report/CReportDlg.h"
#include "tests/recorder/dialogs/DialogTestKit.h"

#include <QApplication>
#include <QClipboard>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTextBlock>
#include <QTextDocument>
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

struct CopyCase {
    const char* name;
    std::string report;
    QString copied;
};

void PrintTo(const CopyCase& c, std::ostream* os)
{
    *os << c.name;
}

class ReportDlgShows : public ::testing::TestWithParam<CopyCase> {};

TEST_P(ReportDlgShows, TheReportLineByLineReadOnlyAndCopyable)
{
    const CopyCase& c = GetParam();
    CReportDlg dialog(nullptr, c.report);
    EXPECT_EQ(dialog.windowTitle(), "Report");
    QPlainTextEdit* box = dialog.textBox();
    EXPECT_TRUE(box->isReadOnly());
    EXPECT_EQ(box->verticalScrollBarPolicy(), Qt::ScrollBarAlwaysOn);
    ShowAndActivate(dialog);
    QTest::keyClick(box, Qt::Key_A, Qt::ControlModifier);
    QTest::keyClick(box, Qt::Key_C, Qt::ControlModifier);
    EXPECT_EQ(QApplication::clipboard()->text(), c.copied);
    // One line down from the top lands on the second line, wherever the box groups them.
    QTest::keyClick(box, Qt::Key_Home, Qt::ControlModifier);
    QTest::keyClick(box, Qt::Key_Down, Qt::ShiftModifier);
    QTest::keyClick(box, Qt::Key_C, Qt::ControlModifier);
    EXPECT_EQ(QApplication::clipboard()->text(), c.copied.section(u'\n', 0, 0) + u'\n');
}

std::string ManyLines(int count)
{
    std::string report;
    for (int n = 1; n <= count; ++n)
        report += (n == 1 ? "" : "\r\n") + std::to_string(n) + "\tdate " + std::to_string(n);
    return report;
}

INSTANTIATE_TEST_SUITE_P(
    Reports, ReportDlgShows,
    ::testing::Values(CopyCase{"Short", kReport,
                               "There are 2 Tips.\n\n--- Number of Tips in each Category "
                               "---\n2\tLove"},
                      CopyCase{"HundredThousandLines", ManyLines(100'000),
                               QString::fromStdString(ManyLines(100'000))
                                   .replace(QStringLiteral("\r\n"), QStringLiteral("\n"))}),
    [](const auto& info) { return std::string(info.param.name); });

// Lines grouped into paragraphs take the direction of their first strong letter unless
// told otherwise; a report's lines never flip, whichever name opens a group.
TEST(ReportDlg, ReadsLeftToRightWhenARightToLeftNameOpensAGroup)
{
    std::string report = "There are 200 Tips.";
    for (int n = 1; n <= 200; ++n)
        report += "\r\n" + std::to_string(n) + "\t\xd8\xb9\xd8\xa7\xd9\x85 " + std::to_string(n);
    CReportDlg dialog(nullptr, report);
    const QTextDocument* document = dialog.textBox()->document();
    ASSERT_GT(document->blockCount(), 1);
    for (QTextBlock block = document->firstBlock(); block.isValid(); block = block.next())
        EXPECT_EQ(block.textDirection(), Qt::LeftToRight) << block.blockNumber();
}
