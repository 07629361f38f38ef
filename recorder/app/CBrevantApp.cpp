#include "recorder/app/CBrevantApp.h"

#include "platform/SingleInstance.h"
#include "recorder/app/CBrevantDoc.h"
#include "recorder/app/FirstRun.h"

#include <QApplication>
#include <QWidget>

CBrevantApp::CBrevantApp(RecorderServices services, MainWindowFactory makeMainWindow,
                         MainWindowPreparation prepareMainWindow)
    : m_services(std::move(services)), m_makeMainWindow(std::move(makeMainWindow)),
      m_prepareMainWindow(std::move(prepareMainWindow))
{
}

CBrevantApp::~CBrevantApp()
{
    // The window goes before the document it shows.
    m_pMainWnd.reset();
    m_pDocument.reset();
}

CBrevantApp::StartResult CBrevantApp::InitInstance(const QString& instanceName)
{
    m_pInstance = std::make_unique<SingleInstance>(instanceName);
    if (!m_pInstance->claim())
        return m_pInstance->askFirstToComeForward() ? StartResult::HandedOver
                                                    : StartResult::OtherCopyBusy;
    SetUpForBrandNewUser(m_services);
    if (!OpenDocument())
        return StartResult::Failed;
    m_pMainWnd = m_makeMainWindow(*m_pDocument);
    m_pMainWnd->show();
    QObject::connect(m_pInstance.get(), &SingleInstance::comeForwardRequested,
                     [this] { bringMainWindowForward(); });
    // Once the last window has closed, a later copy must not wait for an answer.
    QObject::connect(qApp, &QGuiApplication::lastWindowClosed, m_pInstance.get(),
                     &SingleInstance::stopListening);
    m_pInstance->startListening();
    return StartResult::Run;
}

bool CBrevantApp::OpenDocument()
{
    m_pDocument = std::make_unique<CBrevantDoc>(*this);
    if (m_pDocument->OnNewDocument(m_prepareMainWindow))
        return true;
    m_pDocument.reset();
    return false;
}

void CBrevantApp::bringMainWindowForward()
{
    QWidget* window = m_pMainWnd.get();
    if (window->isMinimized())
        window->showNormal();
    window->raise();
    window->activateWindow();
    if (QWidget* dialog = QApplication::activeModalWidget()) {
        dialog->raise();
        dialog->activateWindow();
    }
}
