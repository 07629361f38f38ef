// The Next and Previous keys pressed through a real X server, so the window system's own
// key translation (Shift+Tab arrives as Backtab) is part of the test. With two Tips each
// Next after the first completes the cycle and each Previous at the start of the history
// asks to start over; the question's box shows that the key arrived.
#include "common/Clock.h"
#include "common/MsRandom.h"
#include "common/TipsFormat.h"
#include "tests/e2e/RecorderProcess.h"
#include "tests/e2e/XSession.h"

#include <QStandardPaths>
#include <gtest/gtest.h>

namespace {

const QString kMainWindow = QStringLiteral("Pennivel - Tips");
const QString kQuestion = QStringLiteral("Pennivel");

TEST(NavigationKeysE2E, NextAndPreviousKeysReachTheWindowThroughTheXServer)
{
    if (QStandardPaths::findExecutable("Xvfb").isEmpty() ||
        QStandardPaths::findExecutable("xdotool").isEmpty())
        GTEST_SKIP() << "needs Xvfb and xdotool";
    XSession x;
    ASSERT_TRUE(x.isRunning()) << x.serverState().toStdString();

    RecorderHome home;
    ASSERT_EQ(home.runTool({"setup"}), 0);
    MsRandom random;
    FixedClock clock(1'700'000'000);
    const std::vector<Tip> tips = {{"1/1/20\n", "General\n", "First\n"},
                                   {"2/2/20\n", "General\n", "Second\n"}};
    ASSERT_TRUE(SaveTipsFile(home.dataDir() + "/PennivelTips.ini", tips, random, clock).ok);
    auto recorder = home.startRecorder({"QT_QPA_PLATFORM=xcb", "DISPLAY=" + x.display()});
    ASSERT_TRUE(x.focusWindow(kMainWindow, 30000)) << x.serverState().toStdString();

    // `setUp` moves to where each of `keys` asks its start-over question.
    const auto eachKeyAsks = [&](const char* setUp, std::initializer_list<const char*> keys) {
        x.keys({setUp});
        EXPECT_FALSE(WaitFor([&] { return x.windowExists(kQuestion); }, 1000)) << setUp;
        for (const char* key : keys) {
            ASSERT_TRUE(x.focusWindow(kMainWindow));
            x.keys({key});
            EXPECT_TRUE(WaitFor([&] { return x.windowExists(kQuestion); }, 5000)) << key;
            x.keys({"Escape"});
            ASSERT_TRUE(WaitFor([&] { return !x.windowExists(kQuestion); }, 5000));
        }
        ASSERT_TRUE(x.focusWindow(kMainWindow));
    };
    // The other Tip completes the cycle of two; then Previous goes back to the first
    // Tip shown, where the history starts.
    eachKeyAsks("Right", {"ctrl+n", "ctrl+Tab", "Right", "Up"});
    eachKeyAsks("Left", {"ctrl+p", "shift+Tab", "Left", "Down"});

    recorder->kill();
    recorder->waitForFinished();
}

} // namespace
