#pragma once

#include "saver/CTipWnd.h"
#include "saver/SaverCommandLine.h"
#include "saver/SaverInputWatch.h"

#include <memory>
#include <optional>
#include <string>
#include <vector>

class QWindow;

// The screen saver program: chooses what to do from how it was started, shows the
// configure and password notices, or creates its windows (one inside a host's window,
// one over the root window, or one per screen for the full-screen saver).
class CSaverApp {
  public:
    struct Services {
        Messages& messages;
        MsRandom& random;
        const Clock& clock;
    };

    CSaverApp(Services services, std::string dataDir);
    ~CSaverApp();

    // Nothing when windows now run and the event loop should start; else the exit
    // status to end with at once (a reason for a failure has gone to stderr).
    std::optional<int> InitInstance(const SaverLaunch& launch);

    const std::vector<std::unique_ptr<CTipWnd>>& windows() const { return m_windows; }

  private:
    std::shared_ptr<const SaverContent> content();
    std::optional<int> runInHost(std::uint32_t windowId);
    std::optional<int> runOverRoot();
    std::optional<int> runFullScreen();
    void notify(const char* text);

    Services m_services;
    std::string m_dataDir;
    SaverInputWatch m_watch;
    // Declared before the windows: a host window must outlive the window inside it.
    std::unique_ptr<QWindow> m_host;
    std::vector<std::unique_ptr<CTipWnd>> m_windows;
};
