// The keyboard focus after menus and message boxes, on a real X server with a window
// manager: commands chosen through the keyboard-driven menu bar must leave the scrolling
// keys working in the Tip view. Whether Page Up scrolled is seen on the screen itself.
#include "common/Clock.h"
#include "common/MsRandom.h"
#include "common/TipsFormat.h"
#include "tests/e2e/RecorderProcess.h"
#include "tests/e2e/XSession.h"

#include <QStandardPaths>
#include <gtest/gtest.h>

namespace {

const QString kMainWindow = QStringLiteral("Pennivel - Tips");
const QString kMessage = QStringLiteral("Pennivel");

TEST(FocusReturnE2E, PageKeysScrollAfterAMenuAndAMessageBox)
{
    for (const char* tool : {"Xvfb", "xdotool", "openbox", "xwd"})
        if (QStandardPaths::findExecutable(QString::fromLatin1(tool)).isEmpty())
            GTEST_SKIP() << "needs " << tool;
    XSession x;
    ASSERT_TRUE(x.isRunning()) << x.serverState().toStdString();
    ASSERT_TRUE(x.startWindowManager());

    RecorderHome home;
    ASSERT_EQ(home.runTool({"setup"}), 0);
    MsRandom random;
    FixedClock clock(1'700'000'000);
    const std::vector<Tip> tips(40, Tip{"1/1/20\n", "General\n", "A Tip of one line.\n"});
    ASSERT_TRUE(SaveTipsFile(home.dataDir() + "/PennivelTips.ini", tips, random, clock).ok);
    auto recorder = home.startRecorder({"QT_QPA_PLATFORM=xcb", "DISPLAY=" + x.display()});
    ASSERT_TRUE(x.focusWindow(kMainWindow, 30000)) << x.serverState().toStdString();

    const auto scrolls = [&](const char* key) {
        const QByteArray before = x.settledScreen();
        x.keys({key});
        return x.settledScreen() != before;
    };
    x.keys({"alt+s", "s"}); // Search > Show All: a listing taller than the window
    ASSERT_TRUE(scrolls("Next"));

    // Info menu opened and left with Esc, opened again, Number of Tips (the first item
    // enabled beside a listing) and its message box closed with Enter.
    x.keys({"alt+i", "Escape", "alt+i", "Return"});
    ASSERT_TRUE(WaitFor([&] { return x.windowExists(kMessage); }, 5000));
    x.keys({"Return"});
    ASSERT_TRUE(WaitFor([&] { return !x.windowExists(kMessage); }, 5000));
    EXPECT_TRUE(scrolls("Prior"));
    EXPECT_TRUE(scrolls("Next"));

    recorder->kill();
    recorder->waitForFinished();
}

} // namespace
