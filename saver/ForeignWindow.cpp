#include "saver/ForeignWindow.h"

#include <QCoreApplication>
#include <QGuiApplication>
#include <QTimer>
#include <QWidget>
#include <QWindow>
#include <cstdlib>
#include <xcb/xcb.h>

namespace {

// How often a host's window is asked for its size: quick enough that a resized preview
// looks right at once, rare enough to cost nothing.
constexpr int kFollowIntervalMs = 250;

xcb_connection_t* Connection()
{
    const auto* x11 =
        qGuiApp ? qGuiApp->nativeInterface<QNativeInterface::QX11Application>() : nullptr;
    return x11 ? x11->connection() : nullptr;
}

// Resizes `widget` to its host window whenever that changes; ends the program once the
// host window is gone.
void FollowHostSize(QWidget& widget, std::uint32_t id)
{
    auto* timer = new QTimer(&widget);
    QObject::connect(timer, &QTimer::timeout, &widget, [&widget, id] {
        const std::optional<QSize> size = ForeignWindowSize(id);
        if (!size)
            QCoreApplication::exit(0);
        else if (*size != widget.size())
            widget.resize(*size);
    });
    timer->start(kFollowIntervalMs);
}

} // namespace

std::optional<QSize> ForeignWindowSize(std::uint32_t id)
{
    xcb_connection_t* connection = Connection();
    if (!connection || id == 0)
        return std::nullopt;
    xcb_generic_error_t* error = nullptr;
    xcb_get_geometry_reply_t* reply =
        xcb_get_geometry_reply(connection, xcb_get_geometry(connection, id), &error);
    std::free(error);
    if (!reply)
        return std::nullopt;
    const QSize size(reply->width, reply->height);
    std::free(reply);
    return size;
}

std::uint32_t RootWindowId()
{
    xcb_connection_t* connection = Connection();
    if (!connection)
        return 0;
    const xcb_screen_iterator_t screens = xcb_setup_roots_iterator(xcb_get_setup(connection));
    return screens.rem > 0 ? screens.data->root : 0;
}

std::unique_ptr<QWindow> EmbedInForeignWindow(QWidget& widget, std::uint32_t id)
{
    const std::optional<QSize> size = ForeignWindowSize(id);
    if (!size)
        return nullptr;
    std::unique_ptr<QWindow> host(QWindow::fromWinId(id));
    if (!host)
        return nullptr;
    widget.setAttribute(Qt::WA_NativeWindow);
    widget.winId();
    widget.windowHandle()->setParent(host.get());
    widget.setGeometry(QRect(QPoint(0, 0), *size));
    widget.show();
    FollowHostSize(widget, id);
    return host;
}

bool CoverRootWindow(QWidget& widget)
{
    const std::uint32_t root = RootWindowId();
    const std::optional<QSize> size = ForeignWindowSize(root);
    if (!size)
        return false;
    widget.setWindowFlags(Qt::Window | Qt::FramelessWindowHint | Qt::X11BypassWindowManagerHint);
    widget.setGeometry(QRect(QPoint(0, 0), *size));
    widget.show();
    FollowHostSize(widget, root);
    return true;
}
