#include "common/TipsFormat.h"
#include "recorder/app/TipsSaving.h"
#include "tests/recorder/app/RecorderRig.h"

#include <cerrno>
#include <gtest/gtest.h>
#include <unistd.h>

TEST(OneWriter, ASecondRecorderOnTheSameDataIsStoppedUntilTheFirstEnds)
{
    RecorderRig second;
    second.install();
    {
        RecorderRig first;
        first.dataDir = second.dataDir;
        first.install();
        ASSERT_TRUE(first.start());
        EXPECT_FALSE(second.start());
        ASSERT_EQ(second.messages.texts().size(), 2);
        // Says who holds the Tips: here, this very process.
        EXPECT_TRUE(second.messages.texts()[0].contains(
            QStringLiteral("are in use by ") + QLatin1String(program_invocation_short_name) +
            QStringLiteral(", process ") + QString::number(::getpid())))
            << second.messages.texts()[0].toStdString();
        EXPECT_EQ(second.messages.texts()[1], QStringLiteral("Program will terminate."));
    }
    second.messages.clear();
    EXPECT_TRUE(second.start());
    EXPECT_TRUE(second.messages.texts().isEmpty());
}

TEST(OneWriter, AsksBeforeReplacingAVersionAnotherProgramWrote)
{
    const std::vector<Tip> theirs = {{"1\n", "Theirs\n", "Written meanwhile\n"}};
    for (MessageAnswer answer : {MessageAnswer::No, MessageAnswer::Yes}) {
        RecorderRig rig;
        rig.install();
        ASSERT_TRUE(rig.start());
        MsRandom random;
        ASSERT_TRUE(SaveTipsFile(rig.tipsPath(), theirs, random, rig.clock).ok);
        rig.app.m_Tips.append({"12/24/26\n", "New\n", "Added this run\n"});

        rig.messages.queue(answer);
        const SaveReport report = SaveTips(rig.doc());
        ASSERT_EQ(rig.messages.texts().size(), 1);
        EXPECT_TRUE(rig.messages.texts()[0].startsWith(
            QStringLiteral("The Tips file was changed by another program since Pennivel read it")));
        TipsFileContent onDisk;
        ASSERT_TRUE(LoadTipsFile(rig.tipsPath(), onDisk, random, rig.clock));
        EXPECT_EQ(report.outcome,
                  answer == MessageAnswer::Yes ? SaveOutcome::Saved : SaveOutcome::Declined);
        EXPECT_EQ(onDisk.tips, answer == MessageAnswer::Yes ? rig.app.m_Tips.tips() : theirs);
        if (answer == MessageAnswer::Yes) { // its own version is replaced without a question
            rig.messages.clear();
            EXPECT_EQ(SaveTips(rig.doc()).outcome, SaveOutcome::Saved);
            EXPECT_TRUE(rig.messages.texts().isEmpty());
        }
    }
}
