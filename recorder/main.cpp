#include "common/Clock.h"
#include "common/MsRandom.h"
#include "common/ProgramInfo.h"
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
#include <iostream>

namespace {

constexpr const char* kHelp =
    "Usage: Pennivel [QT OPTION]...\n"
    "The Pennivel tip recorder: shows your Tips one at a time, in order or at random,\n"
    "and adds, edits, searches, reports, exports and prints them.\n"
    "\n"
    "Pennivel has no options of its own; Qt's (-style NAME, -platform NAME, ...) are\n"
    "passed to Qt.\n"
    "  --help     show this text and exit\n"
    "  --version  show the version and exit\n"
    "\n"
    "Your Tips and the screen saver settings are in $PENNIVEL_DIR, else\n"
    "~/.local/share/Pennivel; the recorder's settings in\n"
    "~/.config/Pennivel by Kestrow/Pennivel.conf.\n"
    "\n"
    "Exit status: 0 normal end, or handed over to the copy already running; 1 start-up\n"
    "stopped (the message said why) or no password given; 2 another copy is starting or\n"
    "closing.\n";

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
    // Answered before Qt starts, so they work without a display.
    if (const std::optional<int> status =
            AnswerHelpOrVersion(std::vector<std::string>(argv + 1, argv + argc), {"--help"},
                                "Pennivel", kHelp, std::cout))
        return *status;
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
    MainWindowBuilder window;
    CBrevantApp app(
        {messages, settings, passwordDialogs, ProcessRandom(), SystemClock()},
        [&window](CBrevantDoc& doc) { return window.build(doc); },
        [&window] { window.prepareFrame(); });
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
