#include "tests/e2e/RecorderProcess.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QThread>
#include <sys/stat.h>

namespace {

QString BuildDir()
{
    return qEnvironmentVariable("PENNIVEL_BUILD_DIR");
}

} // namespace

RecorderHome::RecorderHome()
{
    ::mkdir(runtimeDir().toLocal8Bit().constData(), 0700);
}

QString RecorderHome::settingsPath() const
{
    return QString::fromStdString(m_dir.file("config")) + "/Pennivel by Kestrow/Pennivel.conf";
}

QString RecorderHome::runtimeDir() const
{
    return QString::fromStdString(m_dir.file("run"));
}

QProcessEnvironment RecorderHome::environment() const
{
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert("HOME", QString::fromStdString(m_dir.path()));
    env.insert("PENNIVEL_DIR", QString::fromStdString(dataDir()));
    env.insert("XDG_CONFIG_HOME", QString::fromStdString(m_dir.file("config")));
    env.insert("XDG_DATA_HOME", QString::fromStdString(m_dir.file("share")));
    env.insert("XDG_RUNTIME_DIR", runtimeDir());
    env.insert("QT_QPA_PLATFORM", "offscreen");
    return env;
}

std::unique_ptr<QProcess> RecorderHome::startRecorder(const QStringList& extraEnv) const
{
    return start("Pennivel", {}, extraEnv, QProcess::ForwardedErrorChannel);
}

std::unique_ptr<QProcess> RecorderHome::startSaver(const QStringList& args,
                                                   const QStringList& extraEnv) const
{
    return start("Pennivel.scr", args, extraEnv, QProcess::SeparateChannels);
}

std::unique_ptr<QProcess> RecorderHome::start(const QString& program, const QStringList& args,
                                              const QStringList& extraEnv,
                                              QProcess::ProcessChannelMode channels) const
{
    auto process = std::make_unique<QProcess>();
    QProcessEnvironment env = environment();
    for (const QString& entry : extraEnv)
        env.insert(entry.section('=', 0, 0), entry.section('=', 1));
    process->setProcessEnvironment(env);
    process->setProcessChannelMode(channels);
    process->start(BuildDir() + "/" + program, args);
    process->waitForStarted();
    return process;
}

int RecorderHome::runTool(const QStringList& args, QString* output) const
{
    QProcess tool;
    tool.setProcessEnvironment(environment());
    tool.start(BuildDir() + "/pennivel-tool", args);
    tool.waitForFinished();
    if (output)
        *output = QString::fromUtf8(tool.readAllStandardOutput());
    return tool.exitStatus() == QProcess::NormalExit ? tool.exitCode() : -1;
}

bool WaitFor(const std::function<bool()>& condition, int timeoutMs)
{
    QElapsedTimer timer;
    timer.start();
    while (!condition()) {
        if (timer.elapsed() > timeoutMs)
            return false;
        QCoreApplication::processEvents();
        QThread::msleep(10);
    }
    return true;
}
