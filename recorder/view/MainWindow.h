#pragma once

#include <QWidget>
#include <memory>

class CBrevantDoc;

// The recorder's main window for `doc`: the frame with the view in its client area and
// every command attached.
std::unique_ptr<QWidget> CreateMainWindow(CBrevantDoc& doc);
