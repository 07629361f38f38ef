#include "recorder/view/MainWindow.h"

#include "recorder/app/CBrevantApp.h"
#include "recorder/app/CBrevantDoc.h"
#include "recorder/app/CMainFrame.h"
#include "recorder/app/TipsSaving.h"
#include "recorder/view/CBrevantView.h"
#include "recorder/view/QtFormatDialogs.h"

std::unique_ptr<QWidget> CreateMainWindow(CBrevantDoc& doc)
{
    auto frame = std::make_unique<CMainFrame>();
    auto* view = new CBrevantView(
        doc, *frame, std::make_unique<QtFormatDialogs>(frame.get(), doc.services().messages));
    frame->setCentralWidget(view);
    frame->setCloseGuard([&doc] { return RunClosingSteps(doc, false); });
    return frame;
}
