#include "common/Clock.h"
#include "common/MsRandom.h"
#include "platform/DataDirectory.h"
#include "platform/Messages.h"
#include "saver/CSaverApp.h"
#include "saver/QuitOnSignals.h"

#include <QApplication>
#include <cstdlib>

int main(int argc, char** argv)
{
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
