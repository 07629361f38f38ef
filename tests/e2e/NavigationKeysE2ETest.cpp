// The Next and Previous keys pressed through a real X server (Xvfb, xdotool), so the
// window system's own key translation (Shift+Tab arrives as Backtab) is part of the test.
// With two Tips each Next after the first completes the cycle and each Previous at the
// start of the history asks to start over; the question's box shows that the key arrived.
#include "common/Clock.h"
#include "common/MsRandom.h"
#include "common/TipsFormat.h"
#include "tests/e2e/RecorderProcess.h"

#include <QFile>
#include <QProcess>
#include <QStandardPaths>
#include <QThread>
#include <gtest/gtest.h>
#include <set>
#include <unistd.h>

namespace {

QString Xdotool(const QString& display, const QStringList& args)
{
    QProcess tool;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert("DISPLAY", display);
    tool.setProcessEnvironment(env);
    tool.start("xdotool", args);
    tool.waitForFinished();
    return QString::fromLocal8Bit(tool.readAllStandardOutput()).trimmed();
}

// Display numbers some X server listens on, in this file system or in the socket
// namespace shared with other sandboxes (where a client would connect first).
std::set<int> DisplaysInUse()
{
    std::set<int> used;
    QFile sockets("/proc/net/unix");
    if (sockets.open(QIODevice::ReadOnly))
        for (const QString& line : QString::fromLatin1(sockets.readAll()).split('\n')) {
            const int at = line.indexOf("/tmp/.X11-unix/X");
            if (at >= 0)
                used.insert(line.mid(at + 16).toInt());
        }
    return used;
}

// A private X server for one test, gone with it.
class XServer {
  public:
    XServer()
    {
        const std::set<int> used = DisplaysInUse();
        for (int number = 100 + ::getpid() % 400, tries = 0; tries < 20; ++number) {
            if (used.contains(number) ||
                QFile::exists(QStringLiteral("/tmp/.X%1-lock").arg(number)))
                continue;
            ++tries;
            m_process.setProcessChannelMode(QProcess::ForwardedErrorChannel);
            // The server names its display on standard output once it accepts connections.
            m_process.start("Xvfb", {QStringLiteral(":%1").arg(number), "-displayfd", "1",
                                     "-screen", "0", "1024x768x24", "-nolisten", "tcp"});
            if (WaitFor([&] {
                    return m_process.canReadLine() || m_process.state() == QProcess::NotRunning;
                }) &&
                m_process.canReadLine()) {
                display = QStringLiteral(":%1").arg(number);
                return;
            }
            m_process.kill();
            m_process.waitForFinished();
        }
    }
    ~XServer()
    {
        m_process.terminate();
        m_process.waitForFinished();
    }

    QString display; // empty when no server came up

  private:
    QProcess m_process;
};

class RecorderWindow {
  public:
    explicit RecorderWindow(const QString& display) : m_display(display) {}

    bool questionShown() const
    {
        return !Xdotool(m_display, {"search", "--onlyvisible", "--name", "^Pennivel$"}).isEmpty();
    }
    // Polled gently: under a tight loop of xdotool connections the starting recorder was
    // seen failing to connect to the server.
    bool mainWindowShown() const
    {
        QThread::msleep(200);
        return !mainWindow().isEmpty();
    }

    // Gives the main window the keyboard (there is no window manager to do it) and
    // presses `key` there.
    void press(const QString& key) const
    {
        Xdotool(m_display, {"windowfocus", "--sync", mainWindow()});
        Xdotool(m_display, {"key", key});
    }
    void answerCancel() const { Xdotool(m_display, {"key", "Escape"}); }

  private:
    QString mainWindow() const
    {
        return Xdotool(m_display, {"search", "--onlyvisible", "--name", "^Pennivel - Tips$"})
            .section('\n', 0, 0);
    }

    QString m_display;
};

TEST(NavigationKeysE2E, NextAndPreviousKeysReachTheWindowThroughTheXServer)
{
    if (QStandardPaths::findExecutable("Xvfb").isEmpty() ||
        QStandardPaths::findExecutable("xdotool").isEmpty())
        GTEST_SKIP() << "needs Xvfb and xdotool";
    XServer server;
    ASSERT_FALSE(server.display.isEmpty()) << "no X server";

    RecorderHome home;
    ASSERT_EQ(home.runTool({"setup"}), 0);
    MsRandom random;
    FixedClock clock(1'700'000'000);
    const std::vector<Tip> tips = {{"1/1/20\n", "General\n", "First\n"},
                                   {"2/2/20\n", "General\n", "Second\n"}};
    ASSERT_TRUE(SaveTipsFile(home.dataDir() + "/PennivelTips.ini", tips, random, clock).ok);
    auto recorder = home.startRecorder({"QT_QPA_PLATFORM=xcb", "DISPLAY=" + server.display});
    const RecorderWindow window(server.display);
    ASSERT_TRUE(WaitFor([&] { return window.mainWindowShown(); }, 20000));

    // `setUp` moves to where each of `keys` asks its start-over question.
    const auto eachKeyAsks = [&](const char* setUp, std::initializer_list<const char*> keys) {
        window.press(setUp);
        EXPECT_FALSE(WaitFor([&] { return window.questionShown(); }, 1000)) << setUp;
        for (const char* key : keys) {
            window.press(key);
            EXPECT_TRUE(WaitFor([&] { return window.questionShown(); }, 5000)) << key;
            window.answerCancel();
            ASSERT_TRUE(WaitFor([&] { return !window.questionShown(); }, 5000));
        }
    };
    // The other Tip completes the cycle of two; then Previous goes back to the first
    // Tip shown, where the history starts.
    eachKeyAsks("Right", {"ctrl+n", "ctrl+Tab", "Right", "Up"});
    eachKeyAsks("Left", {"ctrl+p", "shift+Tab", "Left", "Down"});

    recorder->kill();
    recorder->waitForFinished();
}

} // namespace
