#pragma once

#include "tests/support/TempDir.h"

#include <QProcess>
#include <QString>
#include <memory>

// A user account of its own for end-to-end runs: data directory, settings store and
// runtime directory inside a temporary directory, and the real programs started in it
// on the offscreen platform.
class RecorderHome {
  public:
    RecorderHome();

    std::string dataDir() const { return m_dir.file("data"); }
    QString settingsPath() const;
    QString runtimeDir() const;

    // The recorder, started and left running; `extraEnv` as NAME=value entries.
    std::unique_ptr<QProcess> startRecorder(const QStringList& extraEnv = {}) const;
    // The screen saver with `args`, started and left running; what it writes to stdout
    // and stderr is kept for the test to read.
    std::unique_ptr<QProcess> startSaver(const QStringList& args,
                                         const QStringList& extraEnv = {}) const;
    // pennivel-tool with `args`, run to its end; returns the exit status and, when asked,
    // what it printed.
    int runTool(const QStringList& args, QString* output = nullptr) const;

  private:
    QProcessEnvironment environment() const;
    std::unique_ptr<QProcess> start(const QString& program, const QStringList& args,
                                    const QStringList& extraEnv,
                                    QProcess::ProcessChannelMode channels) const;

    TempDir m_dir;
};

// Waits until `condition` holds, keeping events flowing; false on timeout.
bool WaitFor(const std::function<bool()>& condition, int timeoutMs = 10000);
