#include "recorder/data/RecorderSettings.h"
#include "tests/e2e/RecorderProcess.h"
#include "tests/e2e/XSession.h"

#include <csignal>
#include <gtest/gtest.h>

namespace {

const QString kMainWindow = QStringLiteral("Pennivel - Tips");

// One way the desktop ends a running recorder, and whether the Add dialog is still
// open then, holding the Tip just added.
struct EndCase {
    const char* name;
    int signalNumber;
    bool addDialogOpen;
};

void PrintTo(const EndCase& c, std::ostream* os)
{
    *os << c.name;
}

class SessionEndE2E : public ::testing::TestWithParam<EndCase> {
  protected:
    void SetUp() override
    {
        if (!x.isRunning())
            GTEST_SKIP() << "Xvfb could not be started";
    }

    XSession x;
    RecorderHome home;
};

} // namespace

TEST_P(SessionEndE2E, SavesTheUnsavedTipAndTheClosingSettings)
{
    auto recorder = home.startRecorder({"QT_QPA_PLATFORM=xcb", "DISPLAY=" + x.display()});
    ASSERT_TRUE(x.focusWindow(kMainWindow)) << x.serverState().toStdString();
    x.keys({"ctrl+a"});
    ASSERT_TRUE(x.focusWindow("Add a Tip"));
    x.type("Added just before the end");
    x.keys({"alt+a"});
    // Adding a Tip dated today remembers the date form: the Add button has done its work.
    ASSERT_TRUE(
        WaitFor([&] { return RecorderSettings(home.settingsPath()).contains(Key::DateFormat); }));
    if (!GetParam().addDialogOpen) {
        x.keys({"Escape"});
        ASSERT_TRUE(WaitFor([&] { return !x.windowExists("Add a Tip"); }));
    }

    ::kill(static_cast<pid_t>(recorder->processId()), GetParam().signalNumber);
    ASSERT_TRUE(recorder->waitForFinished(20000)) << "the recorder did not end";
    EXPECT_EQ(recorder->exitStatus(), QProcess::NormalExit);
    EXPECT_EQ(recorder->exitCode(), 0);

    QString listed;
    EXPECT_EQ(home.runTool({"list"}, &listed), 0);
    EXPECT_TRUE(listed.contains("Added just before the end")) << listed.toStdString();
    EXPECT_EQ(listed.count("Tip #"), 4) << listed.toStdString();
    RecorderSettings settings(home.settingsPath());
    EXPECT_EQ(settings.read(Key::TipClosing, -1), 1);
    const int atClosing = settings.read(Key::TipAtClosing, -1);
    EXPECT_TRUE(atClosing >= 1 && atClosing <= 3) << atClosing;
}

INSTANTIATE_TEST_SUITE_P(EveryWayToEnd, SessionEndE2E,
                         ::testing::Values(EndCase{"Terminate", SIGTERM, false},
                                           EndCase{"HangUp", SIGHUP, false},
                                           EndCase{"Interrupt", SIGINT, false},
                                           EndCase{"TerminateWithTheAddDialogOpen", SIGTERM, true}),
                         [](const auto& info) { return std::string(info.param.name); });
