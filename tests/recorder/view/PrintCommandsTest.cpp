#include "tests/recorder/view/PdfPage.h"
#include "tests/recorder/view/ReportPrintRig.h"

#include <filesystem>
#include <gtest/gtest.h>

namespace {

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
    ReportPrintRig rig;
    const std::string pdf = rig.out.file("tip.pdf");
    if (c.setUpFirst) {
        rig.printDialogs->pdfFile = pdf;
        rig.frame.runCommand(CommandId::PrintSetup);
    }
    rig.printDialogs->pdfFile = c.dialogChoosesPdf ? pdf : "";
    rig.recorder.messages.queue(c.answer);
    rig.frame.runCommand(CommandId::PrintNow);
    EXPECT_EQ(rig.recorder.messages.texts().filter("No printer is installed").size(), c.questions);
    EXPECT_EQ(rig.printDialogs->printDialogs, c.printDialogs);
    EXPECT_EQ(std::filesystem::exists(pdf), c.printed);
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
    ReportPrintRig rig;
    rig.printDialogs->pdfFile = rig.out.file("missing-folder/tip.pdf");
    rig.frame.runCommand(CommandId::PrintSetup);
    rig.frame.runCommand(CommandId::PrintNow);
    ASSERT_EQ(rig.recorder.messages.shown().size(), 1u);
    EXPECT_EQ(rig.recorder.messages.shown()[0].icon, MessageIcon::Stop);
    EXPECT_TRUE(rig.recorder.messages.texts()[0].contains("missing-folder/tip.pdf"));
}
