#include "tool/FdOutput.h"
#include "tool/ToolCommands.h"

#include <QCoreApplication>
#include <QtGlobal>
#include <iostream>
#include <unistd.h>

int main(int argc, char** argv)
{
    // Qt's notices (such as a runtime directory it had to choose) are no concern of a
    // script reading this tool's output.
    qInstallMessageHandler([](QtMsgType, const QMessageLogContext&, const QString&) {});
    // Written into the locks this tool holds, so a command kept waiting can say who is busy.
    QCoreApplication::setApplicationName(QStringLiteral("pennivel-tool"));
    std::ios::sync_with_stdio(false);
    FdOutput standardOutput(STDOUT_FILENO);
    std::ostream out(&standardOutput);
    return RunTool(std::vector<std::string>(argv + 1, argv + argc),
                   ToolIo{std::cin, out, std::cerr, ::isatty(STDERR_FILENO) == 1});
}
