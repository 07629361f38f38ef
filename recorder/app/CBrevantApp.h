#pragma once

#include "recorder/app/RecorderServices.h"
#include "recorder/data/TipCollection.h"

#include <QString>
#include <functional>
#include <memory>
#include <string>
#include <vector>

class CBrevantDoc;
class QWidget;
class SingleInstance;

// The recorder as a whole: owns the Tips and the search words, runs the start in its
// fixed order (single instance, first-run set-up, document and its checks, main
// window) and keeps the document and the window alive until the process ends.
class CBrevantApp {
  public:
    using MainWindowFactory = std::function<std::unique_ptr<QWidget>(CBrevantDoc&)>;
    // Prepares what of the main window needs nothing of the document, while the Tips
    // file is read.
    using MainWindowPreparation = std::function<void()>;

    enum class StartResult {
        Run,           // the main window is up; run the event loop
        Failed,        // a start-up check failed and the user was told
        HandedOver,    // another copy runs and was asked to come forward
        OtherCopyBusy, // another copy is starting or closing; nothing was shown
    };

    CBrevantApp(RecorderServices services, MainWindowFactory makeMainWindow,
                MainWindowPreparation prepareMainWindow = {});
    ~CBrevantApp();
    CBrevantApp(const CBrevantApp&) = delete;
    CBrevantApp& operator=(const CBrevantApp&) = delete;

    // `instanceName` is the executable's base name; it names the single-instance lock.
    StartResult InitInstance(const QString& instanceName);

    // Creates the document and runs its start-up checks; false when one failed.
    bool OpenDocument();

    RecorderServices& services() { return m_services; }
    CBrevantDoc* document() { return m_pDocument.get(); }
    QWidget* mainWindow() { return m_pMainWnd.get(); }

    TipCollection m_Tips;
    std::vector<std::string> m_SearchWords = std::vector<std::string>(10);

  private:
    void bringMainWindowForward();

    RecorderServices m_services;
    MainWindowFactory m_makeMainWindow;
    MainWindowPreparation m_prepareMainWindow;
    std::unique_ptr<SingleInstance> m_pInstance;
    std::unique_ptr<CBrevantDoc> m_pDocument;
    std::unique_ptr<QWidget> m_pMainWnd;
};
