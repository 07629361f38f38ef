#include "recorder/view/TipCommandsBinding.h"
#include "common/TipsFormat.h"
#include "recorder/commands/CommandRegistry.h"
#include "recorder/view/TipDisplay.h"
#include "tests/recorder/app/RecorderRig.h"
#include "tests/support/ScriptedTipDialogs.h"

#include <filesystem>
#include <gtest/gtest.h>

namespace {

// The window as far as the Tip commands reach it: loading the current Tip into the
// document's copies.
class DocumentDisplay : public TipDisplay {
  public:
    explicit DocumentDisplay(CBrevantDoc& doc) : m_doc(doc) {}
    void ShowCurrentTip() override
    {
        const Tip& tip = m_doc.app().m_Tips.get(m_doc.m_CurrentTip);
        m_doc.m_CurrentDate = tip.date;
        m_doc.m_CurrentCategory = tip.category;
        m_doc.m_CurrentText = tip.text;
    }
    void emptyStatusTexts() override { ++statusEmptied; }
    void showListing(std::string, std::string, std::string) override {}
    void showAllTips() override {}
    int statusEmptied = 0;

  private:
    CBrevantDoc& m_doc;
};

class TipCommandsBindingTest : public ::testing::Test {
  protected:
    void SetUp() override
    {
        rig.install();
        ASSERT_TRUE(rig.start());
        display = std::make_unique<DocumentDisplay>(rig.doc());
        binding = std::make_unique<TipCommandsBinding>(
            rig.doc(),
            TipCommandsBinding::Window{nullptr, *display, [this] { ++repaints; },
                                       [this] { newPickForced = true; }},
            dialogs);
        binding->attach(registry);
    }

    std::vector<Tip> savedTips()
    {
        TipsFileContent content;
        MsRandom random;
        EXPECT_TRUE(LoadTipsFile(rig.tipsPath(), content, random, rig.clock));
        return content.tips;
    }

    RecorderRig rig;
    ScriptedTipDialogs dialogs;
    CommandRegistry registry;
    std::unique_ptr<DocumentDisplay> display;
    std::unique_ptr<TipCommandsBinding> binding;
    int repaints = 0;
    bool newPickForced = false;
    const Tip added{"12/07/26\n", "Home\n", "Added\r\nin two lines\n"};
};

TEST_F(TipCommandsBindingTest, SaveIsOfferedOnlyWhileThereAreUnsavedChanges)
{
    EXPECT_FALSE(registry.state(CommandId::Save).enabled);
    dialogs.added.push_back({added});
    ASSERT_TRUE(registry.run(CommandId::Add));
    EXPECT_TRUE(registry.state(CommandId::Save).enabled);
    ASSERT_TRUE(registry.run(CommandId::Save));
    EXPECT_FALSE(registry.state(CommandId::Save).enabled);
    const std::vector<Tip> saved = savedTips();
    ASSERT_EQ(saved.size(), 4u);
    EXPECT_EQ(saved.back(), added);
}

TEST_F(TipCommandsBindingTest, ScreenSaverCommandSavesUnsavedTipsThenOpensTheSettings)
{
    const std::string before = ReadBytes(rig.tipsPath());
    registry.run(CommandId::Saver);
    EXPECT_EQ(ReadBytes(rig.tipsPath()), before);
    dialogs.added.push_back({added});
    registry.run(CommandId::Add);
    registry.run(CommandId::Saver);
    EXPECT_FALSE(binding->modified());
    EXPECT_EQ(savedTips().back(), added);
    EXPECT_EQ(dialogs.saverSettingsOpened, std::vector<int>({3, 4}));
}

TEST_F(TipCommandsBindingTest, FailedSaveNamesTheFileAndKeepsTheChanges)
{
    dialogs.added.push_back({added});
    registry.run(CommandId::Add);
    std::filesystem::remove(rig.tipsPath());
    std::filesystem::create_directory(rig.tipsPath()); // cannot be written as a file
    registry.run(CommandId::Save);
    ASSERT_EQ(rig.messages.shown().size(), 1u);
    EXPECT_EQ(rig.messages.shown().front().icon, MessageIcon::Stop);
    EXPECT_TRUE(rig.messages.texts().front().contains(QString::fromStdString(rig.tipsPath())));
    EXPECT_TRUE(binding->modified());

    std::filesystem::remove(rig.tipsPath());
    registry.run(CommandId::Save);
    EXPECT_FALSE(binding->modified());
    EXPECT_EQ(savedTips().size(), 4u);
}

TEST_F(TipCommandsBindingTest, DeclinedOverwriteOfAForeignFileKeepsTheChanges)
{
    dialogs.added.push_back({added});
    registry.run(CommandId::Add);
    WriteBytes(rig.tipsPath(), "not a Tips file\n");
    rig.messages.queue(MessageAnswer::No);
    registry.run(CommandId::Save);
    EXPECT_TRUE(binding->modified());
    EXPECT_EQ(ReadBytes(rig.tipsPath()), "not a Tips file\n");
}

TEST_F(TipCommandsBindingTest, DeletingALowerTipLowersTheStoredClosingTip)
{
    rig.settings.write(Key::TipAtClosing, 3);
    rig.doc().m_CurrentTip = 1;
    display->ShowCurrentTip();
    rig.doc().m_bTipCommandsEnabled = true;
    rig.messages.queue(MessageAnswer::Yes);
    ASSERT_TRUE(registry.run(CommandId::DeleteCurrent));
    EXPECT_EQ(rig.settings.read(Key::TipAtClosing), 2);
    EXPECT_TRUE(rig.doc().m_CurrentText.empty());
    EXPECT_EQ(display->statusEmptied, 1);
    EXPECT_EQ(repaints, 1);
    EXPECT_TRUE(newPickForced);
    EXPECT_FALSE(registry.state(CommandId::DeleteCurrent).enabled);
    EXPECT_FALSE(registry.state(CommandId::Edit).enabled);
    EXPECT_TRUE(registry.state(CommandId::DeleteNumber).enabled);
}

TEST_F(TipCommandsBindingTest, MenuStatesFollowTheDocument)
{
    rig.doc().m_bTipCommandsEnabled = false;
    for (CommandId id : {CommandId::Edit, CommandId::DeleteCurrent, CommandId::TipNumberAndDate})
        EXPECT_FALSE(registry.state(id).enabled) << static_cast<int>(id);
    for (CommandId id : {CommandId::Add, CommandId::NumberOfTips, CommandId::DeleteAll})
        EXPECT_TRUE(registry.state(id).enabled) << static_cast<int>(id);

    rig.messages.queue(MessageAnswer::Yes);
    registry.run(CommandId::DeleteAll);
    EXPECT_FALSE(registry.state(CommandId::DeleteAll).enabled);
    EXPECT_FALSE(registry.state(CommandId::DeleteNumber).enabled);

    EXPECT_FALSE(registry.state(CommandId::PasswordActivate).checked);
    rig.doc().m_UsePassword = true;
    EXPECT_TRUE(registry.state(CommandId::PasswordActivate).checked);
    rig.doc().m_FirstTimePassword = true;
    EXPECT_FALSE(registry.state(CommandId::PasswordChange).enabled);
}

TEST_F(TipCommandsBindingTest, PasswordCommandsReachThePasswordDialogs)
{
    rig.doc().m_FirstTimePassword = true;
    rig.doc().m_UsePassword = false;
    rig.passwords.queue(true);
    ASSERT_TRUE(registry.run(CommandId::PasswordActivate));
    EXPECT_EQ(rig.passwords.setNewRuns, 1);
    EXPECT_TRUE(registry.state(CommandId::PasswordActivate).checked);
    EXPECT_TRUE(registry.state(CommandId::PasswordChange).enabled);

    ASSERT_TRUE(registry.run(CommandId::PasswordChange));
    EXPECT_EQ(rig.passwords.changeRuns, 1);
}

} // namespace
