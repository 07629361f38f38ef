#include "recorder/view/ReportCommands.h"

#include "common/TipReport.h"
#include "recorder/commands/CommandRegistry.h"
#include "recorder/data/TipCollection.h"
#include "tests/support/ScriptedMessages.h"
#include "tests/support/ScriptedReportDialogs.h"
#include "tests/support/TempDir.h"

#include <filesystem>
#include <gtest/gtest.h>

namespace {

struct SaveCase {
    const char* name;
    const char* file; // chosen in the save dialog, in a fresh folder; null = Cancel
    bool written;
    const char* stopMessagePart; // null = no message
};

void PrintTo(const SaveCase& c, std::ostream* os)
{
    *os << c.name;
}

class ReportCommandsTest : public ::testing::Test {
  protected:
    ReportCommandsTest()
    {
        auto scripted = std::make_unique<ScriptedReportDialogs>();
        dialogs = scripted.get();
        commands = std::make_unique<ReportCommands>(tips, messages, std::move(scripted));
        commands->attachTo(registry);
    }

    TipCollection tips{{{"03/04/10\n", "Love\n", "One\n"}, {"01/02/10\n", "Family\n", "Two\n"}}};
    ScriptedMessages messages;
    ScriptedReportDialogs* dialogs;
    std::unique_ptr<ReportCommands> commands;
    CommandRegistry registry;
    TempDir dir;
};

class SaveTipsAsText : public ReportCommandsTest, public ::testing::WithParamInterface<SaveCase> {};

} // namespace

TEST_P(SaveTipsAsText, WritesTheChosenFileOrSaysWhyNot)
{
    const SaveCase& c = GetParam();
    if (c.file)
        dialogs->textFile = dir.file(c.file);
    ASSERT_TRUE(registry.run(CommandId::SaveAsText));
    if (c.file) {
        EXPECT_EQ(std::filesystem::exists(dir.file(c.file)), c.written);
    }
    if (!c.stopMessagePart) {
        EXPECT_TRUE(messages.shown().empty());
        return;
    }
    ASSERT_EQ(messages.shown().size(), 1u);
    EXPECT_EQ(messages.shown()[0].icon, MessageIcon::Stop);
    EXPECT_TRUE(messages.texts()[0].contains(QString::fromStdString(dir.file(c.file))));
    EXPECT_TRUE(messages.texts()[0].contains(c.stopMessagePart))
        << messages.texts()[0].toStdString();
}

INSTANTIATE_TEST_SUITE_P(Cases, SaveTipsAsText,
                         ::testing::Values(SaveCase{"Cancelled", nullptr, false, nullptr},
                                           SaveCase{"Written", "Pennivel.txt", true, nullptr},
                                           SaveCase{"FolderMissing", "gone/Pennivel.txt", false,
                                                    "No such file or directory"}));

TEST_F(ReportCommandsTest, ReportShowsTheCollectionsReportAndExportNeedsTips)
{
    ASSERT_TRUE(registry.run(CommandId::Report));
    ASSERT_EQ(dialogs->reports.size(), 1u);
    EXPECT_EQ(dialogs->reports[0], BuildReport(tips.tips()));
    EXPECT_TRUE(registry.state(CommandId::SaveAsText).enabled);
    tips.removeAll();
    EXPECT_FALSE(registry.state(CommandId::SaveAsText).enabled);
    EXPECT_TRUE(registry.state(CommandId::Report).enabled);
}
