#pragma once

#include <QByteArray>
#include <QProcess>
#include <QString>
#include <QStringList>

// A private X server (Xvfb) for end-to-end runs that must go through the window system:
// real keyboard focus, menus, accelerators and modal dialogs, driven with xdotool.
class XSession {
  public:
    XSession();
    ~XSession();
    XSession(const XSession&) = delete;
    XSession& operator=(const XSession&) = delete;

    bool isRunning() const { return !m_display.isEmpty(); }
    // For a failure message: whether the server still runs, else how it ended.
    QString serverState() const;
    // ":N", for the DISPLAY of the programs started on it.
    const QString& display() const { return m_display; }

    // Waits until a window titled exactly `title` is mapped, then gives it the keyboard
    // focus (there is no window manager to do it). False on timeout.
    bool focusWindow(const QString& title, int timeoutMs = 15000);
    bool windowExists(const QString& title);
    // Runs a window manager (openbox) on the server, so windows get the focus as on a
    // desktop: a closing dialog hands it back to the window it came from. False when it
    // cannot start.
    bool startWindowManager();
    // The pixels of the whole screen once it has stopped changing, to compare.
    QByteArray settledScreen();

    // Keys in xdotool's names ("ctrl+a", "Return"), one after another.
    void keys(const QStringList& keys);
    void type(const QString& text);
    // Any xdotool command; returns what it printed.
    QString xdotool(const QStringList& args, int* exitCode = nullptr);

    // Ends the server, as when the display goes away under the programs on it.
    void stopServer();

  private:
    void startServer(int number);
    QByteArray grabScreen();

    QProcess m_server;
    QProcess m_windowManager;
    QString m_display;
};
