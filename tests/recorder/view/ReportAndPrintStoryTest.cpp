#include "recorder/view/PrintCommands.h"
#include "recorder/view/ReportCommands.h"

#include "tests/recorder/view/PdfPage.h"
#include "tests/recorder/view/ViewRig.h"
#include "tests/support/ScriptedPrintDialogs.h"
#include "tests/support/ScriptedReportDialogs.h"

#include <QAction>
#include <gtest/gtest.h>

// A user with the three default Tips reads the report, saves the Tips as text, lists
// them all, goes back to one Tip and previews it, then deletes every Tip.
TEST(ReportAndPrintStory, ReportExportAndPreviewFromTheMenus)
{
    ViewRig rig;
    TempDir out;
    auto report = std::make_unique<ScriptedReportDialogs>();
    auto print = std::make_unique<ScriptedPrintDialogs>();
    ScriptedReportDialogs& reportDialogs = *report;
    ScriptedPrintDialogs& printDialogs = *print;
    int repaints = 0;
    (new ReportCommands(rig.doc().app().m_Tips, rig.recorder.messages, std::move(report),
                        &rig.frame))
        ->attachTo(rig.frame.commands());
    (new PrintCommands(rig.doc(), rig.recorder.messages, std::move(print),
                       {[] { return 3.0f; }, [&] { ++repaints; }}, &rig.frame))
        ->attachTo(rig.frame.commands());
    const auto enabled = [&](CommandId id) {
        rig.frame.refreshCommandStates();
        return rig.frame.action(id)->isEnabled();
    };

    rig.frame.runCommand(CommandId::Report);
    ASSERT_EQ(reportDialogs.reports.size(), 1u);
    EXPECT_TRUE(reportDialogs.reports[0].starts_with("There are 3 Tips.\r\n\r\n--- Number"));

    reportDialogs.textFile = out.file("Pennivel.txt");
    rig.frame.runCommand(CommandId::SaveAsText);
    const std::string exported = ReadBytes(out.file("Pennivel.txt"));
    EXPECT_TRUE(exported.starts_with("Tip #1\r\n"));
    EXPECT_NE(exported.find("\r\n\r\nTip #3\r\n"), std::string::npos);

    rig.frame.runCommand(CommandId::ShowAll);
    EXPECT_FALSE(enabled(CommandId::PrintPreview));
    rig.frame.runCommand(CommandId::Next);
    ASSERT_TRUE(enabled(CommandId::PrintPreview));
    printDialogs.pdfFile = out.file("preview.pdf");
    rig.frame.runCommand(CommandId::PrintPreview);
    EXPECT_EQ(printDialogs.previews, 1);
    const std::vector<bool> ink = InkRows(RenderPdfPage(printDialogs.pdfFile));
    EXPECT_NE(std::ranges::find(ink, true), ink.end()) << "the preview page is blank";
    EXPECT_EQ(rig.doc().m_pLogFont->lfHeight, rig.doc().m_nFontHeight);
    EXPECT_GE(repaints, 1);
    EXPECT_TRUE(rig.recorder.messages.shown().empty());

    rig.doc().app().m_Tips.removeAll();
    EXPECT_FALSE(enabled(CommandId::SaveAsText));
}
