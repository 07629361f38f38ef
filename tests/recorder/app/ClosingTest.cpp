#include "common/FirstLineCheck.h"
#include "common/TipsFormat.h"
#include "recorder/app/TipsSaving.h"
#include "tests/recorder/app/RecorderRig.h"

#include <gtest/gtest.h>
#include <cstdio>
#include <sys/stat.h>
#include <unistd.h>

namespace {

const QString kForeignQuestion = QStringLiteral(
    "The file \"PennivelTips\" is either corrupted or is not an original Pennivel file.\nSaving "
    "your changes will overwrite it.\n\nContinue saving?");

void AddTip(RecorderRig& rig)
{
    rig.app.m_Tips.append({"12/24/26\n", "New\n", "Added this run\n"});
}

} // namespace

TEST(Closing, RemembersTheTipOnDisplayAndSavesOnlyChanges)
{
    RecorderRig rig;
    rig.install();
    ASSERT_TRUE(rig.start());
    const std::string before = ReadBytes(rig.tipsPath());
    EXPECT_TRUE(RunClosingSteps(rig.doc(), false));
    EXPECT_EQ(rig.settings.read(Key::TipAtClosing), rig.doc().m_CurrentTip);
    EXPECT_EQ(rig.settings.read(Key::TipClosing), 1);
    EXPECT_EQ(ReadBytes(rig.tipsPath()), before);

    AddTip(rig);
    EXPECT_TRUE(RunClosingSteps(rig.doc(), true));
    EXPECT_TRUE(rig.messages.texts().isEmpty());
    TipsFileContent saved;
    MsRandom random;
    ASSERT_TRUE(LoadTipsFile(rig.tipsPath(), saved, random, rig.clock));
    EXPECT_EQ(saved.tips, rig.app.m_Tips.tips());
}

TEST(Closing, WithoutATipShownStoresZero)
{
    RecorderRig rig;
    rig.install();
    WriteBytes(rig.tipsPath(), "\n");
    ASSERT_TRUE(rig.start());
    EXPECT_TRUE(RunClosingSteps(rig.doc(), false));
    EXPECT_EQ(rig.settings.read(Key::TipAtClosing, 7), 0);
    EXPECT_EQ(rig.settings.read(Key::TipClosing), 0);
}

TEST(SaveTips, AsksBeforeOverwritingAForeignFile)
{
    for (MessageAnswer answer : {MessageAnswer::No, MessageAnswer::Yes}) {
        RecorderRig rig;
        rig.install();
        WriteBytes(rig.tipsPath(), "someone else's notes\n");
        ASSERT_TRUE(rig.start());
        AddTip(rig);
        rig.messages.queue(answer);
        const SaveReport report = SaveTips(rig.doc());
        EXPECT_EQ(rig.messages.texts(), QStringList{kForeignQuestion});
        EXPECT_EQ(rig.messages.shown()[0].icon, MessageIcon::Exclamation);
        EXPECT_EQ(rig.messages.shown()[0].buttons, MessageButtons::YesNo);
        if (answer == MessageAnswer::No) {
            EXPECT_EQ(report.outcome, SaveOutcome::Declined);
            EXPECT_EQ(ReadBytes(rig.tipsPath()), "someone else's notes\n");
        } else {
            EXPECT_EQ(report.outcome, SaveOutcome::Saved);
            EXPECT_EQ(CheckTipsFile(rig.tipsPath()), kCheckFound);
        }
    }
}

TEST(SaveTips, NeverReplacesTipsThisRunDidNotReadWithoutAsking)
{
    MsRandom random;
    const std::vector<Tip> theirs = {{"1\n", "Old\n", "Kept safe\n"}};
    for (MessageAnswer answer : {MessageAnswer::No, MessageAnswer::Yes}) {
        RecorderRig rig;
        rig.install();
        ASSERT_TRUE(SaveTipsFile(rig.tipsPath(), theirs, random, rig.clock).ok);
        ::chmod(rig.tipsPath().c_str(), 0444);
        ASSERT_TRUE(rig.start()); // unusable: starts without Tips, says so
        rig.messages.clear();
        AddTip(rig);

        // Still unusable at exit: the failure is named and the user may stay.
        rig.messages.queue(MessageAnswer::No);
        EXPECT_FALSE(RunClosingSteps(rig.doc(), true));
        ASSERT_EQ(rig.messages.texts().size(), 1);
        EXPECT_TRUE(rig.messages.texts()[0].contains(QString::fromStdString(rig.tipsPath())));
        EXPECT_TRUE(rig.messages.texts()[0].contains(QStringLiteral("Close Pennivel anyway?")));
        rig.messages.queue(MessageAnswer::Yes);
        EXPECT_TRUE(RunClosingSteps(rig.doc(), true));

        // Writable again: the file still holds Tips this run never saw.
        ::chmod(rig.tipsPath().c_str(), 0644);
        rig.messages.clear();
        rig.messages.queue(answer);
        const SaveReport report = SaveTips(rig.doc());
        ASSERT_EQ(rig.messages.texts().size(), 1);
        EXPECT_TRUE(rig.messages.texts()[0].contains(QStringLiteral("were not read")));
        TipsFileContent onDisk;
        ASSERT_TRUE(LoadTipsFile(rig.tipsPath(), onDisk, random, rig.clock));
        if (answer == MessageAnswer::No) {
            EXPECT_EQ(report.outcome, SaveOutcome::Declined);
            EXPECT_EQ(onDisk.tips, theirs);
        } else {
            EXPECT_EQ(report.outcome, SaveOutcome::Saved);
            EXPECT_EQ(onDisk.tips, rig.app.m_Tips.tips());
            // Once written by this run, later saves go ahead without the question.
            rig.messages.clear();
            EXPECT_EQ(SaveTips(rig.doc()).outcome, SaveOutcome::Saved);
            EXPECT_TRUE(rig.messages.texts().isEmpty());
        }
    }
}

// At the end of the session nobody is asked: what cannot be saved without a question
// stays on disk as it was, and standard error says why.
TEST(Closing, UnattendedNeverAsksAndKeepsTheFileOnDisk)
{
    struct Case {
        const char* name;
        void (*changeOnDisk)(RecorderRig&); // after the start
        bool saved;
        const char* told;
    };
    const Case cases[] = {
        {"the file this run read", [](RecorderRig&) {}, true, ""},
        {"a file another program replaced",
         [](RecorderRig& r) { WriteBytes(r.tipsPath(), "someone else's notes\n"); }, false,
         "answered No"},
        {"a link to nothing",
         [](RecorderRig& r) {
             std::remove(r.tipsPath().c_str());
             ::symlink(r.dir.file("gone").c_str(), r.tipsPath().c_str());
         },
         false, "could not be saved"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        RecorderRig rig;
        rig.install();
        ASSERT_TRUE(rig.start());
        c.changeOnDisk(rig);
        const std::string before = ReadBytes(rig.tipsPath());
        AddTip(rig);
        ::testing::internal::CaptureStderr();
        const bool saved = RunClosingStepsUnattended(rig.doc(), true);
        const std::string told = ::testing::internal::GetCapturedStderr();
        EXPECT_EQ(saved, c.saved);
        EXPECT_TRUE(rig.messages.texts().isEmpty());
        EXPECT_NE(told.find(c.told), std::string::npos) << told;
        EXPECT_EQ(rig.settings.read(Key::TipClosing), 1);
        if (!c.saved) {
            EXPECT_EQ(ReadBytes(rig.tipsPath()), before);
        }
    }
}
