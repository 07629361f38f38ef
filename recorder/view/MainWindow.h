#pragma once

#include <QWidget>
#include <memory>

class CBrevantDoc;

class CMainFrame;

// The recorder's main window for `doc`: the frame with the view in its client area and
// every command attached.
std::unique_ptr<QWidget> CreateMainWindow(CBrevantDoc& doc);

// The same in two steps: the frame with its menus, toolbar and status bar needs nothing
// of the document, so it can be made while the Tips are read.
class MainWindowBuilder {
  public:
    MainWindowBuilder();
    ~MainWindowBuilder();
    MainWindowBuilder(const MainWindowBuilder&) = delete;
    MainWindowBuilder& operator=(const MainWindowBuilder&) = delete;

    // Makes the frame now, unless it is made already.
    void prepareFrame();
    // The window for `doc`, in the frame prepared or a new one.
    std::unique_ptr<QWidget> build(CBrevantDoc& doc);

  private:
    std::unique_ptr<CMainFrame> m_frame;
};
