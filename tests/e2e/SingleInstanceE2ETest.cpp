#include "common/FirstLineCheck.h"
#include "common/TipsFormat.h"
#include "recorder/data/RecorderSettings.h"
#include "tests/e2e/RecorderProcess.h"

#include <QDir>
#include <QFileInfo>
#include <gtest/gtest.h>
#include <unistd.h>

namespace {

QString LockFile(const RecorderHome& home)
{
    return home.runtimeDir() + QStringLiteral("/Pennivel-%1.lock").arg(::getuid());
}

QString SocketFile(const RecorderHome& home)
{
    return home.runtimeDir() + QStringLiteral("/Pennivel-%1.socket").arg(::getuid());
}

// Ends a recorder that a test left running; its window has no one to close it.
void Stop(QProcess& process)
{
    process.kill();
    process.waitForFinished();
}

} // namespace

TEST(RecorderE2E, ABrandNewUserIsSetUpAndSeesTheFirstTip)
{
    RecorderHome home;
    auto recorder = home.startRecorder({"PENNIVEL_QUIT_AFTER_FIRST_PAINT=1"});
    ASSERT_TRUE(recorder->waitForFinished(30000));
    EXPECT_EQ(recorder->exitStatus(), QProcess::NormalExit);
    EXPECT_EQ(recorder->exitCode(), 0);
    EXPECT_EQ(CheckSettingsFile(home.dataDir() + "/Pennivel159.ini"), kCheckFound);
    EXPECT_EQ(CheckTipsFile(home.dataDir() + "/PennivelTips.ini"), kCheckFound);
    RecorderSettings settings(home.settingsPath());
    EXPECT_EQ(settings.read(Key::FirstTimePassword), 1);
    // The tool then finds nothing left to do.
    EXPECT_EQ(home.runTool({"setup"}), 0);
}

TEST(RecorderE2E, ASecondCopyBringsTheFirstForwardAndEnds)
{
    RecorderHome home;
    ASSERT_EQ(home.runTool({"setup"}), 0);
    auto first = home.startRecorder();
    ASSERT_TRUE(WaitFor([&] { return QFileInfo::exists(SocketFile(home)); }))
        << "the first copy never started answering";

    auto second = home.startRecorder();
    ASSERT_TRUE(second->waitForFinished(10000));
    EXPECT_EQ(second->exitStatus(), QProcess::NormalExit);
    EXPECT_EQ(second->exitCode(), 0) << "0: the first copy answered the request";
    EXPECT_EQ(first->state(), QProcess::Running);
    Stop(*first);
}

TEST(RecorderE2E, ASecondCopyEndsSilentlyWhileTheFirstIsStillStarting)
{
    RecorderHome home;
    ASSERT_EQ(home.runTool({"setup"}), 0);
    {
        RecorderSettings settings(home.settingsPath());
        settings.write(Key::FirstTimePassword, 0);
        settings.write(Key::UsePassword, 1);
    }
    // The first copy holds the lock and waits in its password dialog: no window yet.
    auto first = home.startRecorder();
    ASSERT_TRUE(WaitFor([&] { return QFileInfo::exists(LockFile(home)); }));

    auto second = home.startRecorder();
    ASSERT_TRUE(second->waitForFinished(10000));
    EXPECT_EQ(second->exitStatus(), QProcess::NormalExit);
    EXPECT_EQ(second->exitCode(), 2) << "2: nobody answered, nothing shown";
    EXPECT_EQ(first->state(), QProcess::Running);
    EXPECT_FALSE(QFileInfo::exists(SocketFile(home)));
    Stop(*first);
}
