#include "tests/e2e/XSession.h"

#include "tests/e2e/RecorderProcess.h"

#include <QFileInfo>
#include <QThread>
#include <unistd.h>

XSession::XSession()
{
    // A display number of our own that no server holds. Letting the server pick one
    // (-displayfd) is not safe while other test programs start servers: one probing a
    // busy number removes that server's socket file, and clients can no longer connect.
    for (int attempt = 0; attempt < 20 && m_display.isEmpty(); ++attempt) {
        const int number = 200 + (static_cast<int>(::getpid()) * 7 + attempt * 31) % 700;
        const QString lock = QStringLiteral("/tmp/.X%1-lock").arg(number);
        const QString socket = QStringLiteral("/tmp/.X11-unix/X%1").arg(number);
        if (!QFileInfo::exists(lock) && !QFileInfo::exists(socket))
            startServer(number);
    }
}

void XSession::startServer(int number)
{
    stopServer();
    // -noreset keeps the server from restarting, and refusing connections meanwhile,
    // whenever its last client (a finished xdotool, a closed recorder) goes.
    m_display = QStringLiteral(":%1").arg(number);
    m_server.start(QStringLiteral("Xvfb"),
                   {m_display, "-noreset", "-screen", "0", "1024x768x24", "-nolisten", "tcp"});
    int status = -1;
    const bool answers = m_server.waitForStarted(5000) &&
                         WaitFor(
                             [&] {
                                 xdotool({"getdisplaygeometry"}, &status);
                                 return status == 0 || m_server.state() != QProcess::Running;
                             },
                             10000) &&
                         status == 0 && m_server.state() == QProcess::Running;
    if (!answers) {
        stopServer();
        m_display.clear();
    }
}

void XSession::stopServer()
{
    if (m_server.state() == QProcess::NotRunning)
        return;
    m_server.terminate();
    if (!m_server.waitForFinished(5000))
        m_server.kill();
    m_server.waitForFinished();
}

XSession::~XSession()
{
    if (m_windowManager.state() != QProcess::NotRunning) {
        m_windowManager.terminate();
        m_windowManager.waitForFinished(5000);
    }
    stopServer();
}

bool XSession::startWindowManager()
{
    // Windows mapped before it has taken over are adopted all the same.
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("DISPLAY"), m_display);
    m_windowManager.setProcessEnvironment(env);
    m_windowManager.start(QStringLiteral("openbox"), {});
    return m_windowManager.waitForStarted(5000);
}

QByteArray XSession::grabScreen()
{
    QProcess grab;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("DISPLAY"), m_display);
    grab.setProcessEnvironment(env);
    grab.start(QStringLiteral("xwd"), {"-root", "-silent"});
    grab.waitForFinished(10000);
    return grab.readAllStandardOutput();
}

QByteArray XSession::settledScreen()
{
    QByteArray shown = grabScreen();
    for (int i = 0; i < 50; ++i) {
        QThread::msleep(200);
        QByteArray again = grabScreen();
        if (again == shown)
            break;
        shown = std::move(again);
    }
    return shown;
}

QString XSession::serverState() const
{
    if (m_server.state() == QProcess::Running)
        return QStringLiteral("server %1 running").arg(m_display);
    return QStringLiteral("server %1 ended with status %2 (%3)")
        .arg(m_display)
        .arg(m_server.exitCode())
        .arg(m_server.exitStatus() == QProcess::CrashExit ? "killed" : "exited");
}

QString XSession::xdotool(const QStringList& args, int* exitCode)
{
    QProcess tool;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("DISPLAY"), m_display);
    tool.setProcessEnvironment(env);
    tool.start(QStringLiteral("xdotool"), args);
    tool.waitForFinished(10000);
    if (exitCode)
        *exitCode = tool.exitStatus() == QProcess::NormalExit ? tool.exitCode() : -1;
    return QString::fromLocal8Bit(tool.readAllStandardOutput()).trimmed();
}

bool XSession::windowExists(const QString& title)
{
    int status = 0;
    xdotool({"search", "--onlyvisible", "--name", QStringLiteral("^%1$").arg(title)}, &status);
    return status == 0;
}

bool XSession::focusWindow(const QString& title, int timeoutMs)
{
    QString window;
    const bool found = WaitFor(
        [&] {
            window =
                xdotool({"search", "--onlyvisible", "--name", QStringLiteral("^%1$").arg(title)})
                    .section('\n', 0, 0);
            return !window.isEmpty();
        },
        timeoutMs);
    if (!found)
        return false;
    xdotool({"windowfocus", "--sync", window});
    return true;
}

void XSession::keys(const QStringList& keys)
{
    xdotool(QStringList{"key", "--delay", "60"} + keys);
}

void XSession::type(const QString& text)
{
    xdotool({"type", "--delay", "20", text});
}
