#include "tests/recorder/view/PdfPage.h"
#include "tests/recorder/view/ReportPrintRig.h"

#include <gtest/gtest.h>

// A user with the three default Tips reads the report, saves the Tips as text (once into
// a folder that is gone), lists them all, goes back to one Tip and previews it, clears
// the window, and finally has no Tips left.
TEST(ReportAndPrintStory, ReportExportAndPreviewFromTheMenus)
{
    ReportPrintRig rig;
    rig.frame.runCommand(CommandId::Report);
    ASSERT_EQ(rig.reportDialogs->reports.size(), 1u);
    EXPECT_TRUE(rig.reportDialogs->reports[0].starts_with("There are 3 Tips.\r\n\r\n--- Number"));

    rig.reportDialogs->textFile = rig.out.file("Pennivel.txt");
    rig.frame.runCommand(CommandId::SaveAsText);
    const std::string exported = ReadBytes(rig.out.file("Pennivel.txt"));
    EXPECT_TRUE(exported.starts_with("Tip #1\r\n"));
    EXPECT_NE(exported.find("\r\n\r\nTip #3\r\n"), std::string::npos);
    EXPECT_TRUE(rig.recorder.messages.shown().empty());
    rig.reportDialogs->textFile = rig.out.file("gone/Pennivel.txt");
    rig.frame.runCommand(CommandId::SaveAsText);
    ASSERT_EQ(rig.recorder.messages.shown().size(), 1u);
    EXPECT_EQ(rig.recorder.messages.shown()[0].icon, MessageIcon::Stop);
    EXPECT_TRUE(rig.recorder.messages.texts()[0].contains(
        QString::fromStdString(rig.out.file("gone/Pennivel.txt") + ": No such file or directory")));

    rig.frame.runCommand(CommandId::ShowAll);
    EXPECT_FALSE(rig.enabled(CommandId::PrintNow));
    EXPECT_FALSE(rig.enabled(CommandId::PrintPreview));
    rig.frame.runCommand(CommandId::Next);
    ASSERT_TRUE(rig.enabled(CommandId::PrintPreview));
    rig.printDialogs->pdfFile = rig.out.file("preview.pdf");
    rig.frame.runCommand(CommandId::PrintPreview);
    EXPECT_EQ(rig.printDialogs->previews, 1);
    const std::vector<bool> ink = InkRows(RenderPdfPage(rig.printDialogs->pdfFile));
    EXPECT_NE(std::ranges::find(ink, true), ink.end()) << "the preview page is blank";
    EXPECT_EQ(rig.doc().m_pLogFont->lfHeight, rig.doc().m_nFontHeight);
    EXPECT_GE(rig.repaints, 1);
    rig.frame.runCommand(CommandId::ClearScreen);
    EXPECT_FALSE(rig.enabled(CommandId::PrintNow));
    EXPECT_TRUE(rig.enabled(CommandId::PrintSetup));

    rig.doc().app().m_Tips.removeAll();
    EXPECT_FALSE(rig.enabled(CommandId::SaveAsText));
    rig.frame.runCommand(CommandId::Report);
    EXPECT_EQ(rig.reportDialogs->reports.back(), "There are 0 Tips.");
}
