#include "recorder/app/SessionEnd.h"

#include "platform/TerminationSignals.h"
#include "recorder/app/CMainFrame.h"

#include <QAbstractButton>
#include <QApplication>
#include <QDialog>
#include <QMessageBox>
#include <QSemaphore>
#include <QThread>
#include <QTimer>
#include <csignal>
#include <cstdlib>
#include <memory>

namespace {

SessionEnd* g_watching = nullptr;

QtMessageHandler g_previousHandler = nullptr;

constexpr int kTurnMs = 5;
// How long a closed dialog that outlives its command (one owned by the window) is
// waited for.
constexpr int kTurnsPerDialog = 10;

// Leaves a modal dialog the way its Esc key would, without the questions some of them
// ask on the way out; its exec() then returns and the command that opened it goes on.
void LeaveModal(QWidget& modal)
{
    if (auto* box = qobject_cast<QMessageBox*>(&modal); box && box->escapeButton())
        box->escapeButton()->click();
    else if (auto* dialog = qobject_cast<QDialog*>(&modal))
        dialog->done(QDialog::Rejected);
    else
        modal.close();
}

} // namespace

SessionEnd::SessionEnd(CMainFrame& frame) : QObject(&frame), m_frame(frame) {}

SessionEnd::~SessionEnd()
{
    if (g_watching == this)
        g_watching = nullptr;
}

void SessionEnd::watchTheSession()
{
    g_previousHandler = qInstallMessageHandler(OnQtMessage);
    CallOnSignals({SIGTERM, SIGHUP, SIGINT}, [this](int) { endProgram(); });
    // Direct: the manager waits for the answer, which goes once the slot returns.
    connect(
        qApp, &QGuiApplication::commitDataRequest, this,
        [this](QSessionManager&) { saveForSessionEnd(); }, Qt::DirectConnection);
    qApp->installEventFilter(this);
    g_watching = this;
    std::atexit(OnProcessExit);
}

void SessionEnd::endProgram()
{
    if (m_ending)
        return;
    m_ending = true;
    leaveDialogsThenEnd();
}

void SessionEnd::leaveDialogsThenEnd()
{
    // One dialog at a time: each must return from its own event loop, and the command
    // that opened it take its results, before the one under it can go. Most dialogs
    // live on the stack of that command, so their end shows as their destruction. A
    // dialog that will not go must not keep the program from ending: after a bounded
    // number of turns the closing steps run regardless.
    constexpr int kMostTurns = 200;
    if (++m_turns < kMostTurns) {
        if (m_leaving && m_turns - m_leavingSince < kTurnsPerDialog) {
            QTimer::singleShot(kTurnMs, this, &SessionEnd::leaveDialogsThenEnd);
            return;
        }
        if (QWidget* modal = QApplication::activeModalWidget()) {
            m_leaving = modal;
            m_leavingSince = m_turns;
            LeaveModal(*modal);
            QTimer::singleShot(kTurnMs, this, &SessionEnd::leaveDialogsThenEnd);
            return;
        }
    }
    m_frame.runUnattendedClosing();
    g_watching = nullptr;
    m_frame.setCloseGuard({});
    m_frame.close();
    QCoreApplication::exit(0);
}

void SessionEnd::saveForSessionEnd()
{
    m_frame.runUnattendedClosing();
}

bool SessionEnd::eventFilter(QObject* watched, QEvent* event)
{
    // A quit while the window is up comes from the session manager's "die"; on its own
    // it would close the window with the questions of a normal close.
    if (watched == qApp && event->type() == QEvent::Quit && m_frame.isVisible() && !m_ending) {
        QTimer::singleShot(0, this, &SessionEnd::endProgram);
        return true;
    }
    return QObject::eventFilter(watched, event);
}

// Qt's Wayland plugin ends the process with _exit() when the compositor goes away, so
// no exit handler runs; its warning just before is the one moment left to save in. It
// comes from Qt's thread that reads the connection: the save is handed to the main
// thread, and the warning waits for it a while, never for good.
void SessionEnd::OnQtMessage(QtMsgType type, const QMessageLogContext& context,
                             const QString& message)
{
    if (g_previousHandler)
        g_previousHandler(type, context, message);
    if (type != QtWarningMsg || !message.startsWith(QLatin1String("The Wayland connection")))
        return;
    QCoreApplication* app = QCoreApplication::instance();
    if (QThread::currentThread() == app->thread()) {
        OnProcessExit();
        return;
    }
    auto saved = std::make_shared<QSemaphore>();
    QMetaObject::invokeMethod(
        app,
        [saved] {
            OnProcessExit();
            saved->release();
        },
        Qt::QueuedConnection);
    constexpr int kLongestWaitMs = 5000;
    saved->tryAcquire(1, kLongestWaitMs);
}

void SessionEnd::OnProcessExit()
{
    if (SessionEnd* watching = g_watching) {
        g_watching = nullptr;
        watching->m_frame.runUnattendedClosing();
    }
}
