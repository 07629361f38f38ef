#include "common/Clock.h"
#include "common/MsRandom.h"
#include "common/ProgramInfo.h"
#include "platform/DataDirectory.h"
#include "platform/Messages.h"
#include "saver/CSaverApp.h"
#include "saver/QuitOnSignals.h"

#include <QApplication>
#include <cstdlib>
#include <iostream>

namespace {

constexpr const char* kHelp =
    "Usage: Pennivel.scr [/s | /c | /a | /p ID | -window-id ID | -root]\n"
    "The Pennivel screen saver: shows your Tips, one chosen Tip or the clock in changing\n"
    "colours, as the recorder's Screen > Saver dialog sets it.\n"
    "\n"
    "  /s, -s         full screen on every screen; a key, a button or a mouse move ends it\n"
    "  /c, -c         (also no option) say where the settings are changed\n"
    "  /a, -a         say that the screen saver has no password of its own\n"
    "  /p ID          draw inside the X11 window ID (decimal or 0x hex)\n"
    "  -window-id ID  the same, for XScreenSaver\n"
    "  -root          draw into $XSCREENSAVER_WINDOW, else over the root window\n"
    "  --help, -h     show this text and exit\n"
    "  --version      show the version and exit\n"
    "\n"
    "Only the letter after a leading \"-\" or \"/\" counts, and case matters.\n"
    "Exit status: 0 normal end; 1 the window to draw into is missing or is no window.\n";

} // namespace

int main(int argc, char** argv)
{
    // Asked for on their own, before any option of the saver's, and answered before Qt
    // starts, so they work without a display.
    if (argc > 1)
        if (const std::optional<int> status =
                AnswerHelpOrVersion({argv[1]}, {"--help", "-h"}, "Pennivel.scr", kHelp, std::cout))
            return *status;
    QApplication qtApp(argc, argv);
    std::vector<std::string> args;
    for (int i = 1; i < argc; ++i)
        args.emplace_back(argv[i]);
    const char* hostWindow = std::getenv("XSCREENSAVER_WINDOW");
    const SaverLaunch launch = ParseSaverCommandLine(args, hostWindow ? hostWindow : "");
    QtMessages messages;
    CSaverApp app({messages, ProcessRandom(), SystemClock()}, DataDirectory());
    if (const std::optional<int> status = app.InitInstance(launch))
        return *status;
    QuitOnTerminationSignals();
    return QApplication::exec();
}
