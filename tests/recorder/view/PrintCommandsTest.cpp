#include "recorder/view/PrintCommands.h"

#include "tests/recorder/view/PdfPage.h"
#include "tests/recorder/view/ViewRig.h"
#include "tests/support/ScriptedPrintDialogs.h"

#include <QAction>
#include <filesystem>
#include <gtest/gtest.h>

namespace {

// The recorder's window with the print commands on its menu, printing as if the system
// knew no printer until a dialog chooses a PDF file.
struct PrintRig : ViewRig {
    ScriptedPrintDialogs* dialogs;
    PrintCommands* commands;
    int repaints = 0;
    TempDir out;

    PrintRig()
    {
        auto scripted = std::make_unique<ScriptedPrintDialogs>();
        dialogs = scripted.get();
        commands = new PrintCommands(doc(), recorder.messages, std::move(scripted),
                                     {[] { return 3.0f; }, [this] { ++repaints; }}, &frame);
        commands->attachTo(frame.commands());
        commands->printer().setOutputFormat(QPrinter::PdfFormat);
        commands->printer().setOutputFileName({});
        frame.refreshCommandStates();
    }

    bool enabled(CommandId id) { return frame.action(id)->isEnabled(); }
};

struct PrintNowCase {
    const char* name;
    bool setUpFirst;       // Print Setup chose the PDF file before
    MessageAnswer answer;  // to "No printer is installed."
    bool dialogChoosesPdf; // the print dialog then chose the file
    int questions;
    int printDialogs;
    bool printed;
};

void PrintTo(const PrintNowCase& c, std::ostream* os)
{
    *os << c.name;
}

class PrintNow : public ::testing::TestWithParam<PrintNowCase> {};

} // namespace

TEST_P(PrintNow, PrintsWhereChosenAndNeverFailsSilently)
{
    const PrintNowCase& c = GetParam();
    PrintRig rig;
    const std::string pdf = rig.out.file("tip.pdf");
    if (c.setUpFirst) {
        rig.dialogs->pdfFile = pdf;
        rig.frame.runCommand(CommandId::PrintSetup);
    }
    rig.dialogs->pdfFile = c.dialogChoosesPdf ? pdf : "";
    rig.recorder.messages.queue(c.answer);
    rig.frame.runCommand(CommandId::PrintNow);
    EXPECT_EQ(rig.recorder.messages.texts().filter("No printer is installed").size(), c.questions);
    EXPECT_EQ(rig.dialogs->printDialogs, c.printDialogs);
    EXPECT_EQ(std::filesystem::exists(pdf), c.printed);
    if (c.printed) {
        EXPECT_FALSE(RenderPdfPage(pdf).isNull());
    }
}

INSTANTIATE_TEST_SUITE_P(
    Cases, PrintNow,
    ::testing::Values(
        PrintNowCase{"NoPrinterAndNo", false, MessageAnswer::No, true, 1, 0, false},
        PrintNowCase{"NoPrinterDialogCancelled", false, MessageAnswer::Yes, false, 1, 1, false},
        PrintNowCase{"NoPrinterDialogChoosesPdf", false, MessageAnswer::Yes, true, 1, 1, true},
        PrintNowCase{"SetupChoiceIsKept", true, MessageAnswer::No, false, 0, 0, true}));

TEST(PrintCommands, AnUnwritablePdfFileIsReportedByName)
{
    PrintRig rig;
    rig.dialogs->pdfFile = rig.out.file("missing-folder/tip.pdf");
    rig.frame.runCommand(CommandId::PrintSetup);
    rig.frame.runCommand(CommandId::PrintNow);
    ASSERT_EQ(rig.recorder.messages.shown().size(), 1u);
    EXPECT_EQ(rig.recorder.messages.shown()[0].icon, MessageIcon::Stop);
    EXPECT_TRUE(rig.recorder.messages.texts()[0].contains("missing-folder/tip.pdf"));
}

TEST(PrintCommands, OnlyASingleTipOnDisplayCanBePrinted)
{
    PrintRig rig;
    rig.frame.runCommand(CommandId::Next);
    EXPECT_TRUE(rig.enabled(CommandId::PrintNow));
    EXPECT_TRUE(rig.enabled(CommandId::PrintPreview));
    rig.frame.runCommand(CommandId::ShowAll);
    EXPECT_FALSE(rig.enabled(CommandId::PrintNow));
    EXPECT_FALSE(rig.enabled(CommandId::PrintPreview));
    rig.frame.runCommand(CommandId::Next);
    rig.frame.runCommand(CommandId::ClearScreen);
    EXPECT_FALSE(rig.enabled(CommandId::PrintNow));
    EXPECT_FALSE(rig.enabled(CommandId::PrintPreview));
    EXPECT_TRUE(rig.enabled(CommandId::PrintSetup));
}
