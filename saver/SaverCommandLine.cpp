#include "saver/SaverCommandLine.h"

#include <cctype>

namespace {

SaverLaunch Invalid(std::string error)
{
    return {SaverMode::Invalid, 0, std::move(error)};
}

SaverLaunch IntoWindow(SaverMode mode, const std::string& text, const char* what)
{
    std::uint32_t id = 0;
    if (text.empty())
        return Invalid(std::string(what) + " needs a window id");
    if (!ParseWindowId(text, id))
        return Invalid("\"" + text + "\" is not a window id (" + what + ")");
    return {mode, id, {}};
}

SaverLaunch HostRoot(const std::string& hostWindow)
{
    if (hostWindow.empty())
        return {SaverMode::HostRoot, 0, {}};
    return IntoWindow(SaverMode::HostWindow, hostWindow, "XSCREENSAVER_WINDOW");
}

} // namespace

bool ParseWindowId(const std::string& text, std::uint32_t& id)
{
    const bool hex = text.size() > 2 && text[0] == '0' && (text[1] == 'x' || text[1] == 'X');
    const std::size_t start = hex ? 2 : 0;
    if (text.size() <= start || text.size() - start > (hex ? 8u : 10u))
        return false;
    std::uint64_t value = 0;
    for (std::size_t i = start; i < text.size(); ++i) {
        const unsigned char c = static_cast<unsigned char>(text[i]);
        if (hex ? !std::isxdigit(c) : !std::isdigit(c))
            return false;
        const int digit = std::isdigit(c) ? c - '0' : std::tolower(c) - 'a' + 10;
        value = value * (hex ? 16 : 10) + static_cast<std::uint64_t>(digit);
    }
    if (value == 0 || value > 0xFFFFFFFFu)
        return false;
    id = static_cast<std::uint32_t>(value);
    return true;
}

SaverLaunch ParseSaverCommandLine(const std::vector<std::string>& args,
                                  const std::string& hostWindow)
{
    if (args.empty()) {
        if (!hostWindow.empty())
            return IntoWindow(SaverMode::HostWindow, hostWindow, "XSCREENSAVER_WINDOW");
        return {SaverMode::Configure, 0, {}};
    }
    const std::string& option = args[0];
    if (option == "-root" || option == "--root")
        return HostRoot(hostWindow);
    if (option == "-window-id" || option == "--window-id")
        return IntoWindow(SaverMode::HostWindow, args.size() > 1 ? args[1] : "", option.c_str());

    const std::size_t letterAt = !option.empty() && (option[0] == '-' || option[0] == '/');
    const char letter = letterAt < option.size() ? option[letterAt] : '\0';
    switch (letter) {
    case 'c': return {SaverMode::Configure, 0, {}};
    case 'p': return IntoWindow(SaverMode::Preview, args.size() > 1 ? args[1] : "", "preview");
    case 's': return {SaverMode::FullScreen, 0, {}};
    case 'a': return {SaverMode::Password, 0, {}};
    default: return {SaverMode::Nothing, 0, {}};
    }
}
