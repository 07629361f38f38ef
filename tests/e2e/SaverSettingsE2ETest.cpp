#include "common/SaverSettingsFile.h"
#include "tests/e2e/RecorderProcess.h"
#include "tests/e2e/XSession.h"

#include <gtest/gtest.h>

namespace {

const QString kMainWindow = QStringLiteral("Pennivel - Tips");
const QString kDialog = QStringLiteral("Screen Saver Settings");

// A user opens Screen > Saver from the keyboard, switches the screen saver from all
// Tips to the clock and confirms; the file then holds exactly the new settings. A
// second visit that changes the unit and leaves with Esc writes nothing.
TEST(SaverSettingsE2E, ClockChosenByKeyboardIsWrittenAndCancelWritesNothing)
{
    XSession x;
    if (!x.isRunning())
        GTEST_SKIP() << "Xvfb could not be started";
    RecorderHome home;
    auto recorder = home.startRecorder({"QT_QPA_PLATFORM=xcb", "DISPLAY=" + x.display()});
    ASSERT_TRUE(x.focusWindow(kMainWindow)) << x.serverState().toStdString();
    const std::string path = home.dataDir() + "/" + kSaverSettingsFileName;
    ASSERT_EQ(ReadBytes(path), FormatSaverSettings(SaverSettings{})); // all Tips, every 10 s

    x.keys({"alt+c", "s"});
    ASSERT_TRUE(x.focusWindow(kDialog));
    x.keys({"Down", "Down", "Return"}); // All Tips -> Tip # -> Clock, OK
    EXPECT_TRUE(WaitFor([&] { return !x.windowExists(kDialog); }));
    EXPECT_EQ(ReadBytes(path), FormatSaverSettings({false, true, 1, true, 10, true, false}));

    ASSERT_TRUE(x.focusWindow(kMainWindow));
    x.keys({"alt+c", "s"});
    ASSERT_TRUE(x.focusWindow(kDialog));
    // To the unit group: past the Tip #, the check box and Every; then to "hours".
    x.keys({"Tab", "Tab", "Tab", "Down", "Down", "Escape"});
    EXPECT_TRUE(WaitFor([&] { return !x.windowExists(kDialog); }));
    EXPECT_EQ(ReadBytes(path), FormatSaverSettings({false, true, 1, true, 10, true, false}));

    ASSERT_TRUE(x.focusWindow(kMainWindow));
    x.keys({"alt+t", "x"});
    ASSERT_TRUE(recorder->waitForFinished(20000)) << "the recorder did not close";
    EXPECT_EQ(recorder->exitCode(), 0);
}

} // namespace
