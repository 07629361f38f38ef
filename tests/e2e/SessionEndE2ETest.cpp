#include "recorder/data/RecorderSettings.h"
#include "tests/e2e/RecorderProcess.h"
#include "tests/e2e/SessionManager.h"
#include "tests/e2e/XSession.h"

#include <QFileInfo>
#include <QProcess>
#include <csignal>
#include <gtest/gtest.h>
#include <unistd.h>

namespace {

const QString kMainWindow = QStringLiteral("Pennivel - Tips");
const QString kTip = QStringLiteral("Added just before the end");

enum class Ending { Signal, SessionManager, LostDisplay };

// One way the desktop ends a running recorder, and whether the Add dialog is still
// open then, holding the Tip just added.
struct EndCase {
    const char* name;
    Ending ending;
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
        if (GetParam().ending == Ending::SessionManager && manager.address().isEmpty())
            GTEST_SKIP() << "no session manager could listen";
    }

    void expectSaved()
    {
        QString listed;
        EXPECT_EQ(home.runTool({"list"}, &listed), 0);
        EXPECT_TRUE(listed.contains(kTip)) << listed.toStdString();
        EXPECT_EQ(listed.count("Tip #"), 4) << listed.toStdString();
        RecorderSettings settings(home.settingsPath());
        EXPECT_EQ(settings.read(Key::TipClosing, -1), 1);
        const int atClosing = settings.read(Key::TipAtClosing, -1);
        EXPECT_TRUE(atClosing >= 1 && atClosing <= 3) << atClosing;
    }

    XSession x;
    SessionManager manager;
    RecorderHome home;
};

} // namespace

TEST_P(SessionEndE2E, SavesTheUnsavedTipAndTheClosingSettings)
{
    const EndCase& how = GetParam();
    QStringList env{"QT_QPA_PLATFORM=xcb", "DISPLAY=" + x.display()};
    if (how.ending == Ending::SessionManager)
        env << "SESSION_MANAGER=" + manager.address();
    auto recorder = home.startRecorder(env);
    ASSERT_TRUE(x.focusWindow(kMainWindow)) << x.serverState().toStdString();
    if (how.ending == Ending::SessionManager) {
        ASSERT_TRUE(manager.waitForClient()) << "the recorder never joined the session";
    }
    x.keys({"ctrl+a"});
    ASSERT_TRUE(x.focusWindow("Add a Tip"));
    x.type(kTip);
    x.keys({"alt+a"});
    // Adding a Tip dated today remembers the date form: the Add button has done its work.
    ASSERT_TRUE(
        WaitFor([&] { return RecorderSettings(home.settingsPath()).contains(Key::DateFormat); }));
    if (!how.addDialogOpen) {
        x.keys({"Escape"});
        ASSERT_TRUE(WaitFor([&] { return !x.windowExists("Add a Tip"); }));
    }

    int expectedStatus = 0;
    switch (how.ending) {
    case Ending::Signal: ::kill(static_cast<pid_t>(recorder->processId()), how.signalNumber); break;
    case Ending::SessionManager:
        // The manager's save request comes first and must leave everything on disk: the
        // manager may end the program by any means once it was answered.
        ASSERT_TRUE(manager.saveForShutdown()) << "the recorder never answered the request";
        if (!how.addDialogOpen) {
            expectSaved();
        }
        manager.die();
        break;
    case Ending::LostDisplay:
        // Qt's X11 plugin calls exit(1) when the connection breaks.
        x.stopServer();
        expectedStatus = 1;
        break;
    }
    ASSERT_TRUE(recorder->waitForFinished(20000)) << "the recorder did not end";
    EXPECT_EQ(recorder->exitStatus(), QProcess::NormalExit);
    if (how.ending != Ending::LostDisplay) {
        EXPECT_EQ(recorder->exitCode(), expectedStatus);
    }
    expectSaved();
}

INSTANTIATE_TEST_SUITE_P(
    EveryWayToEnd, SessionEndE2E,
    ::testing::Values(EndCase{"Terminate", Ending::Signal, SIGTERM, false},
                      EndCase{"HangUp", Ending::Signal, SIGHUP, false},
                      EndCase{"Interrupt", Ending::Signal, SIGINT, false},
                      EndCase{"TerminateWithTheAddDialogOpen", Ending::Signal, SIGTERM, true},
                      EndCase{"SessionManagerLogout", Ending::SessionManager, 0, false},
                      EndCase{"SessionManagerLogoutWithTheAddDialogOpen", Ending::SessionManager, 0,
                              true},
                      EndCase{"DisplayGoesAway", Ending::LostDisplay, 0, false}),
    [](const auto& info) { return std::string(info.param.name); });

// Qt's Wayland plugin leaves no exit handler to run when the compositor goes away;
// the closing settings must be written all the same. There is no input tool for
// Wayland here, so no Tip is added: the closing settings show that the step ran.
TEST(SessionEndWaylandE2E, TheCompositorGoingAwayStillWritesTheClosingSettings)
{
    RecorderHome home;
    QProcess compositor;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert("XDG_RUNTIME_DIR", home.runtimeDir());
    compositor.setProcessEnvironment(env);
    compositor.start("weston", {"--backend=headless-backend.so", "--socket=wayland-pennivel",
                                "--use-pixman", "--idle-time=0"});
    if (!compositor.waitForStarted() ||
        !WaitFor([&] { return QFileInfo::exists(home.runtimeDir() + "/wayland-pennivel"); }))
        GTEST_SKIP() << "weston could not be started";
    auto recorder =
        home.startRecorder({"QT_QPA_PLATFORM=wayland", "WAYLAND_DISPLAY=wayland-pennivel"});
    // The window is up once the recorder answers other copies.
    ASSERT_TRUE(WaitFor([&] {
        return QFileInfo::exists(home.runtimeDir() +
                                 QStringLiteral("/Pennivel-%1.socket").arg(::getuid()));
    }));
    compositor.terminate();
    compositor.waitForFinished();
    ASSERT_TRUE(recorder->waitForFinished(20000)) << "the recorder did not end";
    RecorderSettings settings(home.settingsPath());
    EXPECT_EQ(settings.read(Key::TipClosing, -1), 1);
    EXPECT_GE(settings.read(Key::TipAtClosing, -1), 1);
}
