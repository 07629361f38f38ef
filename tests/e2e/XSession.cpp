#include "tests/e2e/XSession.h"

#include "tests/e2e/RecorderProcess.h"

XSession::XSession()
{
    // Other test programs may start servers at the same moment and take the display
    // just chosen, so a server that does not answer is replaced by a new one.
    for (int attempt = 0; attempt < 5 && m_display.isEmpty(); ++attempt)
        startServer();
}

void XSession::startServer()
{
    stopServer();
    // -displayfd lets the server pick a free display and tell us its number.
    m_server.start(QStringLiteral("Xvfb"),
                   {"-displayfd", "1", "-screen", "0", "1024x768x24", "-nolisten", "tcp"});
    if (!m_server.waitForStarted(5000))
        return;
    if (!WaitFor([this] { return m_server.canReadLine(); }, 10000))
        return;
    const QString number = QString::fromLatin1(m_server.readLine()).trimmed();
    if (number.isEmpty())
        return;
    m_display = QLatin1Char(':') + number;
    int status = -1;
    const bool answers = WaitFor(
        [&] {
            xdotool({"getdisplaygeometry"}, &status);
            return status == 0 || m_server.state() != QProcess::Running;
        },
        5000);
    if (!answers || status != 0)
        m_display.clear();
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
    stopServer();
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
