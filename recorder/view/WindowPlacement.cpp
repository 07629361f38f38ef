#include "recorder/view/WindowPlacement.h"

#include "recorder/app/CMainFrame.h"
#include "recorder/data/RecorderSettings.h"

#include <QByteArray>
#include <QStatusBar>
#include <QToolBar>

void RestoreWindowPlacement(CMainFrame& frame, const RecorderSettings& settings)
{
    const std::string geometry = settings.read(Key::WindowGeometry);
    if (!geometry.empty())
        frame.restoreGeometry(QByteArray(geometry.data(), static_cast<qsizetype>(geometry.size())));
    frame.toolBar()->setVisible(settings.read(Key::ToolbarShown) != 0);
    frame.statusBar()->setVisible(settings.read(Key::StatusBarShown) != 0);
}

void SaveWindowPlacement(const CMainFrame& frame, RecorderSettings& settings)
{
    const QByteArray geometry = frame.saveGeometry();
    settings.write(Key::WindowGeometry, geometry.toStdString());
    settings.write(Key::ToolbarShown, frame.toolBar()->isHidden() ? 0 : 1);
    settings.write(Key::StatusBarShown, frame.statusBar()->isHidden() ? 0 : 1);
}
