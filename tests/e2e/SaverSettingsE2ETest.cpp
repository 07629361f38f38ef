#include "common/SaverSettingsFile.h"
#include "tests/e2e/RecorderProcess.h"
#include "tests/e2e/XSession.h"

#include <gtest/gtest.h>

// Screen > Saver from the keyboard: All Tips becomes the clock and OK writes exactly
// that; a second visit that picks "hours" and leaves with Esc writes nothing.
TEST(SaverSettingsE2E, ClockChosenByKeyboardIsWrittenAndCancelWritesNothing)
{
    XSession x;
    if (!x.isRunning())
        GTEST_SKIP() << "Xvfb could not be started";
    RecorderHome home;
    auto recorder = home.startRecorder({"QT_QPA_PLATFORM=xcb", "DISPLAY=" + x.display()});
    const std::string path = home.dataDir() + "/" + kSaverSettingsFileName;
    const std::string clock = FormatSaverSettings({false, true, 1, true, 10, true, false});
    for (const auto& [keys, bytes] : {std::pair{QStringList{"Down", "Down", "Return"}, clock},
                                      {{"Tab", "Tab", "Tab", "Down", "Down", "Escape"}, clock}}) {
        ASSERT_TRUE(x.focusWindow("Pennivel - Tips")) << x.serverState().toStdString();
        x.keys({"alt+c", "s"});
        ASSERT_TRUE(x.focusWindow("Screen Saver Settings"));
        x.keys(keys);
        EXPECT_TRUE(WaitFor([&] { return !x.windowExists("Screen Saver Settings"); }));
        EXPECT_EQ(ReadBytes(path), bytes);
    }
    ASSERT_TRUE(x.focusWindow("Pennivel - Tips"));
    x.keys({"alt+t", "x"});
    ASSERT_TRUE(recorder->waitForFinished(20000)) << "the recorder did not close";
    EXPECT_EQ(recorder->exitCode(), 0);
}
