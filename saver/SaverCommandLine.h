#pragma once

#include <cstdint>
#include <string>
#include <vector>

// What the screen saver was started to do. The host decides through the command line:
// the classic one-letter options, plus the conventions of the Linux saver hosts.
enum class SaverMode {
    Configure,  // say where the settings are changed, then end
    Password,   // say that there is no password protection, then end
    Preview,    // draw inside the host's window `windowId`
    FullScreen, // cover every screen; user input ends it
    HostWindow, // draw inside `windowId` for a saver host; only the host ends it
    HostRoot,   // draw over the whole root window for a saver host
    Nothing,    // an option we do not know: end at once, showing nothing
    Invalid,    // a window id that is missing or no number; `error` says which
};

struct SaverLaunch {
    SaverMode mode = SaverMode::Nothing;
    std::uint32_t windowId = 0;
    std::string error;

    bool operator==(const SaverLaunch&) const = default;
};

// `args` without the program name; `hostWindow` is the value of XSCREENSAVER_WINDOW
// ("" when unset). A single leading "-" or "/" is skipped and only the next letter
// counts, case-sensitively. "-root"/"--root" and "-window-id ID"/"--window-id ID" are
// XScreenSaver's; with no option at all, a set XSCREENSAVER_WINDOW (as xsecurelock
// starts its savers) means drawing into that window.
SaverLaunch ParseSaverCommandLine(const std::vector<std::string>& args,
                                  const std::string& hostWindow);

// An X11 window id written in decimal or as "0x" + hex; false for anything else, for 0
// and for values beyond 32 bits.
bool ParseWindowId(const std::string& text, std::uint32_t& id);
