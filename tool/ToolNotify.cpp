#include "common/AtomicFile.h"
#include "tool/TipChoice.h"
#include "tool/TipPick.h"
#include "tool/ToolArgs.h"
#include "tool/ToolExit.h"
#include "tool/ToolTipCommands.h"

#include <QCoreApplication>
#include <QDBusConnection>
#include <QDBusInterface>
#include <QDBusReply>
#include <QStandardPaths>
#include <filesystem>
#include <memory>

namespace {

constexpr int kExitUnavailable = 69; // EX_UNAVAILABLE: no notification service

std::string AutostartPath()
{
    return QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation).toStdString() +
           "/autostart/org.pennivel.Pennivel.notify.desktop";
}

// The program that runs now, for the entry to start at login whatever the PATH is then.
std::string ThisProgram()
{
    std::error_code failed;
    const std::filesystem::path self = std::filesystem::read_symlink("/proc/self/exe", failed);
    return failed ? std::string("pennivel-tool") : self.string();
}

// A desktop entry's Exec quotes an argument with a space or a special character.
std::string ExecArgument(const std::string& word)
{
    if (word.find_first_of(" \t\"'\\$`") == std::string::npos)
        return word;
    std::string quoted = "\"";
    for (const char c : word) {
        if (c == '"' || c == '`' || c == '$' || c == '\\')
            quoted += "\\\\";
        quoted += c;
    }
    return quoted + '"';
}

int AtLogin(const std::vector<std::string>& args, const ToolIo& io)
{
    const std::string path = AutostartPath();
    if (args.size() == 2) {
        io.out << (std::filesystem::exists(path) ? "on" : "off") << "\n";
        return kExitOk;
    }
    if (args.size() != 3 || (args[2] != "on" && args[2] != "off")) {
        io.err << "pennivel-tool: notify --at-login takes on, off or nothing\n";
        return kExitUsage;
    }
    std::error_code failed;
    if (args[2] == "off") {
        std::filesystem::remove(path, failed);
        if (failed) {
            io.err << "pennivel-tool: cannot remove " << path << ": " << failed.message() << "\n";
            return kExitIoError;
        }
        io.out << "off: removed " << path << "\n";
        return kExitOk;
    }
    std::filesystem::create_directories(std::filesystem::path(path).parent_path(), failed);
    const std::string text = "[Desktop Entry]\n"
                             "Type=Application\n"
                             "Name=Pennivel Tip at login\n"
                             "Comment=Shows one of your Tips as a notification when you log in\n"
                             "Exec=" +
                             ExecArgument(ThisProgram()) +
                             " notify\n"
                             "Icon=org.pennivel.Pennivel\n"
                             "NoDisplay=true\n"
                             "X-GNOME-Autostart-enabled=true\n";
    if (failed) {
        io.err << "pennivel-tool: cannot write " << path << ": " << failed.message() << "\n";
        return kExitIoError;
    }
    // An entry as any desktop file is, readable by the session that starts it.
    AtomicFileWriter entry(path, AtomicFileWriter::NewFile::Document);
    if (!entry.open() || !entry.write(text) || !entry.commit()) {
        io.err << "pennivel-tool: " << entry.error() << "\n";
        return kExitIoError;
    }
    io.out << "on: " << path << "\n";
    return kExitOk;
}

// The service may read the body as markup: the Tip's own <, > and & stay text.
QString EscapedBody(const std::string& text)
{
    return QString::fromLocal8Bit(ForTerminal(text)).toHtmlEscaped();
}

} // namespace

int NotifyCommand(const std::vector<std::string>& args, const ToolIo& io)
{
    if (args.size() >= 2 && args[1] == "--at-login")
        return AtLogin(args, io);
    ToolArgs parsed;
    if (!ParseToolArgs(args, {"--category", "--search", "--length"}, {"--and", "--short", "--long"},
                       parsed, io.err))
        return kExitUsage;
    Tip tip;
    int number = 0;
    if (const int status = PickTip(parsed, tip, number, io.err); status != kExitOk)
        return status;

    // The bus needs an application object; the tool has none of its own.
    std::unique_ptr<QCoreApplication> app;
    static int argc = 1;
    static char name[] = "pennivel-tool";
    static char* argv[] = {name, nullptr};
    if (!QCoreApplication::instance())
        app = std::make_unique<QCoreApplication>(argc, argv);
    QDBusConnection bus = QDBusConnection::sessionBus();
    if (!bus.isConnected()) {
        io.err << "pennivel-tool: no session bus to show the notification on\n";
        return kExitUnavailable;
    }
    QDBusInterface service(QStringLiteral("org.freedesktop.Notifications"),
                           QStringLiteral("/org/freedesktop/Notifications"),
                           QStringLiteral("org.freedesktop.Notifications"), bus);
    const QDBusReply<uint> reply =
        service.call(QStringLiteral("Notify"), QStringLiteral("Pennivel"), 0u,
                     QStringLiteral("org.pennivel.Pennivel"), QStringLiteral("Tip #%1").arg(number),
                     EscapedBody(tip.text), QStringList(), QVariantMap(), -1);
    if (!reply.isValid()) {
        io.err << "pennivel-tool: no notification service answers on the session bus ("
               << reply.error().message().toStdString() << ")\n";
        return kExitUnavailable;
    }
    io.out << "shown Tip #" << number << "\n";
    return kExitOk;
}
