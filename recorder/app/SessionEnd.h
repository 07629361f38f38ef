#pragma once

#include <QObject>
#include <QPointer>
#include <QWidget>

class CMainFrame;
class QSessionManager;

// Ends the recorder when the desktop rather than the user asks: SIGTERM (logging out,
// shutting down, a service manager), SIGHUP (the terminal it was started from went
// away), SIGINT, and the XSMP session manager's requests. Open dialogs are closed
// first, each handing back what it holds (the Add dialog its added Tips), then the
// closing steps run without asking anything and the event loop ends, so the locks go
// as at any exit. The session manager's save request only saves: the session may go
// on, and its "die" that follows arrives as a quit, which ends the program the same way.
// A lost display connection ends the process from inside Qt: exit() on X11, where an
// exit handler runs the closing steps, and _exit() on Wayland, where only Qt's warning
// just before it is left to run them in.
class SessionEnd : public QObject {
  public:
    explicit SessionEnd(CMainFrame& frame);
    ~SessionEnd() override;
    SessionEnd(const SessionEnd&) = delete;
    SessionEnd& operator=(const SessionEnd&) = delete;

    // Hooks up the signals, the session manager and the exit handler: once per process.
    void watchTheSession();

    void endProgram();
    void saveForSessionEnd();

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    void leaveDialogsThenEnd();
    static void OnProcessExit();
    static void OnQtMessage(QtMsgType type, const QMessageLogContext& context,
                            const QString& message);

    CMainFrame& m_frame;
    bool m_ending = false;
    int m_turns = 0;
    QPointer<QWidget> m_leaving;
    int m_leavingSince = 0;
};
