#include "saver/CSaverApp.h"

#include "platform/Messages.h"
#include "saver/CSaverWnd.h"
#include "saver/ForeignWindow.h"

#include <QApplication>
#include <QScreen>
#include <QWindow>
#include <cstdio>

namespace {

// A window to draw into that cannot be used: one line on stderr, and status 1.
int FailStart(const std::string& reason)
{
    std::fprintf(stderr, "Pennivel.scr: %s\n", reason.c_str());
    return 1;
}

} // namespace

CSaverApp::CSaverApp(Services services, std::string dataDir)
    : m_services(services), m_dataDir(std::move(dataDir))
{
}

CSaverApp::~CSaverApp() = default;

std::optional<int> CSaverApp::InitInstance(const SaverLaunch& launch)
{
    switch (launch.mode) {
    case SaverMode::Configure: notify("To change settings go to\nthe Pennivel program."); return 0;
    case SaverMode::Password: notify("Screen Saver password-protection unavailable."); return 0;
    case SaverMode::Preview:
    case SaverMode::HostWindow: return runInHost(launch.windowId);
    case SaverMode::HostRoot: return runOverRoot();
    case SaverMode::FullScreen: return runFullScreen();
    case SaverMode::Invalid: return FailStart(launch.error);
    case SaverMode::Nothing: return 0;
    }
    return 0;
}

void CSaverApp::notify(const char* text)
{
    MessageOptions options;
    options.noOwner = true;
    m_services.messages.show(QString::fromUtf8(text), MessageIcon::Information, MessageButtons::Ok,
                             options);
}

std::shared_ptr<const SaverContent> CSaverApp::content()
{
    return std::make_shared<const SaverContent>(
        LoadSaverContent(m_dataDir, m_services.random, m_services.clock));
}

std::optional<int> CSaverApp::runInHost(std::uint32_t windowId)
{
    if (!ForeignWindowSize(windowId)) {
        char id[16];
        std::snprintf(id, sizeof id, "0x%x", windowId);
        return FailStart(std::string("window ") + id + " does not exist on this display");
    }
    auto window = std::make_unique<CTipWnd>(content(), m_services.random, m_services.clock,
                                            m_services.messages);
    m_host = EmbedInForeignWindow(*window, windowId);
    if (!m_host)
        return FailStart("cannot draw into the window");
    window->startTicking();
    m_windows.push_back(std::move(window));
    return std::nullopt;
}

std::optional<int> CSaverApp::runOverRoot()
{
    auto window = std::make_unique<CTipWnd>(content(), m_services.random, m_services.clock,
                                            m_services.messages);
    if (!CoverRootWindow(*window))
        return FailStart("drawing on the root window needs an X11 display");
    window->startTicking();
    m_windows.push_back(std::move(window));
    return std::nullopt;
}

std::optional<int> CSaverApp::runFullScreen()
{
    const std::shared_ptr<const SaverContent> loaded = content();
    for (QScreen* screen : QGuiApplication::screens()) {
        auto window = std::make_unique<CSaverWnd>(loaded, m_services.random, m_services.clock,
                                                  m_services.messages, m_watch);
        QObject::connect(window.get(), &CSaverWnd::endRequested, qApp,
                         [] { QCoreApplication::exit(0); });
        window->setGeometry(screen->geometry());
        window->winId();
        window->windowHandle()->setScreen(screen);
        window->showFullScreen();
        window->startTicking();
        m_windows.push_back(std::move(window));
    }
    if (m_windows.empty())
        return FailStart("no screen to cover");
    m_windows.front()->activateWindow();
    // Another program taking the keyboard away ends the saver, as user input does.
    QObject::connect(qApp, &QGuiApplication::applicationStateChanged, qApp,
                     [wasActive = false](Qt::ApplicationState state) mutable {
                         if (state == Qt::ApplicationActive)
                             wasActive = true;
                         else if (wasActive)
                             QCoreApplication::exit(0);
                     });
    return std::nullopt;
}
