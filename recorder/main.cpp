#include "common/Clock.h"
#include "common/MsRandom.h"
#include "platform/Messages.h"
#include "recorder/app/CBrevantApp.h"
#include "recorder/app/CMainFrame.h"
#include "recorder/app/SessionEnd.h"
#include "recorder/data/RecorderSettings.h"
#include "recorder/dialogs/password/PasswordDialogs.h"
#include "recorder/view/MainWindow.h"
#include "resources/RecorderResources.h"

#include <QApplication>
#include <QFileInfo>
#include <QIcon>

namespace {

// Exit statuses, for scripts that start the recorder.
int ExitStatus(CBrevantApp::StartResult result)
{
    switch (result) {
    case CBrevantApp::StartResult::Run:
    case CBrevantApp::StartResult::HandedOver: return 0;
    case CBrevantApp::StartResult::Failed: return 1;
    case CBrevantApp::StartResult::OtherCopyBusy: return 2;
    }
    return 1;
}

} // namespace

int main(int argc, char** argv)
{
    QApplication qtApp(argc, argv);
    // Every window inherits it: the password dialog and the start-up failures come
    // before the main window exists.
    InitRecorderResources();
    QApplication::setWindowIcon(QIcon(QStringLiteral(":/icons/pennivel.svg")));
    // Lets the desktop match the window to the installed entry and its icon.
    QGuiApplication::setDesktopFileName(QStringLiteral("org.pennivel.Pennivel"));
    QtMessages messages;
    RecorderSettings settings;
    QtPasswordDialogs passwordDialogs(messages, settings, ProcessRandom());
    CBrevantApp app({messages, settings, passwordDialogs, ProcessRandom(), SystemClock()},
                    CreateMainWindow);
    const auto result =
        app.InitInstance(QFileInfo(QCoreApplication::applicationFilePath()).completeBaseName());
    if (result != CBrevantApp::StartResult::Run)
        return ExitStatus(result);
    passwordDialogs.setParent(app.mainWindow());
    // Owned by the window, so it goes (and stops watching) when the window does.
    if (auto* frame = qobject_cast<CMainFrame*>(app.mainWindow()))
        (new SessionEnd(*frame))->watchTheSession();
    return QApplication::exec();
}
