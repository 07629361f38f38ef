#pragma once

#include <QSize>
#include <cstdint>
#include <memory>
#include <optional>

class QWidget;
class QWindow;

// The windows of other programs the saver draws into, as the X server knows them. All
// of it needs the X11 platform; on any other platform no window is found.

// The size of window `id`, or nothing when there is no such window (or no X server).
std::optional<QSize> ForeignWindowSize(std::uint32_t id);

// The root window of the default screen; 0 without an X server.
std::uint32_t RootWindowId();

// Makes `widget` a child of the foreign window `id` and keeps it filling that window as
// the host resizes it. When the host window goes away, the program ends (status 0), as
// a preview does when its host closes. Returns the host window, which must outlive
// `widget`; null when `id` is no window.
std::unique_ptr<QWindow> EmbedInForeignWindow(QWidget& widget, std::uint32_t id);

// Lays `widget` over the whole root window, out of the window manager's hands, and keeps
// it covering the root window as the screen layout changes.
bool CoverRootWindow(QWidget& widget);
