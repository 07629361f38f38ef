#include "common/Clock.h"
#include "common/MsRandom.h"
#include "common/TipsFormat.h"
#include "tests/e2e/RecorderProcess.h"
#include "tests/e2e/XSession.h"

#include <filesystem>
#include <gtest/gtest.h>

namespace fs = std::filesystem;

namespace {

const QString kMainWindow = QStringLiteral("Pennivel - Tips");

} // namespace

// A user keeps the Tips file in a synced folder through a link, and a second recorder
// is started from another session (its own runtime directory, so the single-instance
// lock cannot see the first): the second is stopped with a message, the first adds a
// Tip, and at exit the link is still a link whose target holds every Tip.
TEST(SharedDataE2E, ASecondSessionIsStoppedAndTheLinkedFileGetsTheNewTip)
{
    XSession x;
    if (!x.isRunning())
        GTEST_SKIP() << "Xvfb could not be started";
    RecorderHome home;
    ASSERT_EQ(home.runTool({"setup"}), 0);
    TempDir synced;
    const std::string target = synced.file("tips.ini");
    MsRandom random;
    ASSERT_TRUE(SaveTipsFile(target, DefaultTips(), random, SystemClock()).ok);
    const std::string link = home.dataDir() + "/" + kTipsFileName;
    fs::create_symlink(target, link);

    const QString display = "DISPLAY=" + x.display();
    auto first = home.startRecorder({"QT_QPA_PLATFORM=xcb", display});
    ASSERT_TRUE(x.focusWindow(kMainWindow)) << x.serverState().toStdString();

    TempDir otherSession;
    auto second =
        home.startRecorder({"QT_QPA_PLATFORM=xcb", display,
                            "XDG_RUNTIME_DIR=" + QString::fromStdString(otherSession.path())});
    ASSERT_TRUE(x.focusWindow("Pennivel")) << "no message from the second recorder";
    x.keys({"Return"});
    ASSERT_TRUE(x.focusWindow("Pennivel"));
    x.keys({"Return"});
    ASSERT_TRUE(second->waitForFinished(20000));
    EXPECT_EQ(second->exitCode(), 1) << "1: start-up stopped with a message";

    ASSERT_TRUE(x.focusWindow(kMainWindow));
    x.keys({"ctrl+a"});
    ASSERT_TRUE(x.focusWindow("Add a Tip"));
    x.type("Kept through the link");
    x.keys({"alt+a", "Escape"});
    ASSERT_TRUE(WaitFor([&] { return !x.windowExists("Add a Tip"); }));
    ASSERT_TRUE(x.focusWindow(kMainWindow));
    x.keys({"alt+t", "x"});
    ASSERT_TRUE(first->waitForFinished(20000));
    EXPECT_EQ(first->exitCode(), 0);

    EXPECT_TRUE(fs::is_symlink(link));
    TipsFileContent content;
    ASSERT_TRUE(LoadTipsFile(target, content, random, SystemClock()));
    ASSERT_EQ(content.tips.size(), 4u);
    EXPECT_EQ(content.tips.back().text, "Kept through the link\n");
    EXPECT_EQ(std::distance(fs::directory_iterator(synced.path()), fs::directory_iterator()), 1);
}
