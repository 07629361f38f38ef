#include "recorder/view/MainWindow.h"

#include "platform/Messages.h"
#include "recorder/app/CBrevantApp.h"
#include "recorder/app/CBrevantDoc.h"
#include "recorder/app/CMainFrame.h"
#include "recorder/app/TipsSaving.h"
#include "recorder/data/RecorderSettings.h"
#include "recorder/dialogs/report/QtReportDialogs.h"
#include "recorder/view/CBrevantView.h"
#include "recorder/view/PrintCommands.h"
#include "recorder/view/QtFormatDialogs.h"
#include "recorder/view/QtPrintDialogs.h"
#include "recorder/view/ReportCommands.h"
#include "recorder/view/SearchCommands.h"
#include "recorder/view/TipCommandsBinding.h"
#include "recorder/view/TipNavigator.h"
#include "recorder/view/WindowPlacement.h"

std::unique_ptr<QWidget> CreateMainWindow(CBrevantDoc& doc)
{
    return MainWindowBuilder().build(doc);
}

MainWindowBuilder::MainWindowBuilder() = default;
MainWindowBuilder::~MainWindowBuilder() = default;

void MainWindowBuilder::prepareFrame()
{
    if (!m_frame)
        m_frame = std::make_unique<CMainFrame>();
}

std::unique_ptr<QWidget> MainWindowBuilder::build(CBrevantDoc& doc)
{
    prepareFrame();
    std::unique_ptr<CMainFrame> frame = std::move(m_frame);
    auto* view = new CBrevantView(
        doc, *frame, std::make_unique<QtFormatDialogs>(frame.get(), doc.services().messages));
    frame->setCentralWidget(view);
    auto* tipCommands =
        new TipCommandsBinding(doc,
                               {frame.get(), *view, [view] { view->viewport()->update(); },
                                [view] { view->navigator().m_bForceNewPick = true; }},
                               frame.get());
    tipCommands->attach(frame->commands());
    auto* search = new SearchCommands(doc, view->navigator(), frame.get(), frame.get());
    search->attach(frame->commands());
    Messages& messages = doc.services().messages;
    auto* report = new ReportCommands(doc.app().m_Tips, messages,
                                      std::make_unique<QtReportDialogs>(frame.get()), frame.get());
    report->attach(frame->commands());
    auto* printing = new PrintCommands(
        doc, messages, std::make_unique<QtPrintDialogs>(frame.get()),
        {[view] { return view->m_fScreenPxPerMm; }, [view] { view->viewport()->update(); }},
        frame.get());
    printing->attach(frame->commands());
    frame->refreshCommandStates();
    RecorderSettings& settings = doc.services().settings;
    RestoreWindowPlacement(*frame, settings);
    frame->setCloseGuard([&doc, &settings, tipCommands, frame = frame.get()] {
        if (!RunClosingSteps(doc, tipCommands->modified()))
            return false;
        SaveWindowPlacement(*frame, settings);
        return true;
    });
    frame->setUnattendedClosing([&doc, &settings, tipCommands, frame = frame.get()] {
        if (RunClosingStepsUnattended(doc, tipCommands->modified()))
            tipCommands->commands().m_bModified = false;
        SaveWindowPlacement(*frame, settings);
    });
    return frame;
}
