#include "recorder/app/CMainFrame.h"

#include "recorder/app/CAboutDlg.h"
#include "recorder/app/CommandMenus.h"
#include "recorder/app/HelpWindow.h"
#include "recorder/commands/CommandTable.h"
#include "resources/RecorderResources.h"

#include <QAction>
#include <QCloseEvent>
#include <QFontMetrics>
#include <QLabel>
#include <QMenuBar>
#include <QRegularExpression>
#include <QStatusBar>
#include <QToolBar>
#include <QToolButton>
#include <QWhatsThis>
#include <algorithm>

namespace {

// The width of `pane` for `text` in the plain default font.
int PaneWidthFor(const QLabel& pane, const QString& text)
{
    const int margins = 2 * pane.frameWidth() + 2 * pane.margin() + 6;
    return QFontMetrics(QFont()).horizontalAdvance(text) + margins;
}

QLabel* MakePane(const char* name, const QString& sample, QWidget* parent)
{
    auto* pane = new QLabel(parent);
    pane->setObjectName(QString::fromLatin1(name));
    pane->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    // Sized from the sample, so a longer text is cut off rather than growing the pane.
    pane->setFixedWidth(PaneWidthFor(*pane, sample));
    pane->setTextFormat(Qt::PlainText);
    return pane;
}

QString FirstLine(const QString& text)
{
    const qsizetype end = text.indexOf(QRegularExpression(QStringLiteral("[\r\n]")));
    return end < 0 ? text : text.left(end);
}

} // namespace

CMainFrame::CMainFrame(QWidget* parent) : QMainWindow(parent)
{
    InitRecorderResources();
    setObjectName(QStringLiteral("mainFrame"));
    setWindowTitle(QStringLiteral("Pennivel - Tips"));

    m_menus = std::make_unique<CommandMenus>(this, m_commands);
    m_menus->fillMenuBar(*menuBar());
    returnFocusAfterCommands();

    m_toolBar = new QToolBar(QStringLiteral("Toolbar"), this);
    m_toolBar->setObjectName(QStringLiteral("toolBar"));
    m_toolBar->setIconSize(QSize(16, 16));
    m_toolBar->setToolButtonStyle(Qt::ToolButtonIconOnly);
    m_toolBar->setAllowedAreas(Qt::AllToolBarAreas);
    m_menus->fillToolBar(*m_toolBar);
    // The button that opens the buttons a narrow window has no room for.
    if (auto* more = m_toolBar->findChild<QToolButton*>(QStringLiteral("qt_toolbar_ext_button")))
        more->setAccessibleName(tr("More toolbar buttons"));
    addToolBar(Qt::TopToolBarArea, m_toolBar);

    createStatusBar();
    attachFrameCommands();

    // The standard help keys: F1 for the help page, Shift+F1 to ask about what is clicked.
    auto* help = new QAction(this);
    help->setObjectName(QStringLiteral("actionHelp"));
    help->setShortcut(Qt::Key_F1);
    connect(help, &QAction::triggered, this, &CMainFrame::showHelpTopics);
    auto* whatsThis = QWhatsThis::createAction(this);
    whatsThis->setObjectName(QStringLiteral("actionContextHelp"));
    whatsThis->setShortcut(Qt::SHIFT | Qt::Key_F1);
    // F10 opens the first menu, as on GNOME and KDE; Alt alone does not reach the menu
    // bar on every style.
    auto* menuKey = new QAction(this);
    menuKey->setObjectName(QStringLiteral("actionMenuBar"));
    menuKey->setShortcut(Qt::Key_F10);
    connect(menuKey, &QAction::triggered, this, [this] {
        if (!menuBar()->actions().isEmpty())
            menuBar()->setActiveAction(menuBar()->actions().constFirst());
    });
    addActions({help, whatsThis, menuKey});

    resize(800, 600);
    refreshCommandStates();
}

CMainFrame::~CMainFrame() = default;

QAction* CMainFrame::action(CommandId id) const
{
    return m_menus->action(id);
}

void CMainFrame::createStatusBar()
{
    QStatusBar* bar = statusBar();
    bar->setObjectName(QStringLiteral("statusBar"));
    m_numberPane = MakePane("statusNumber", QStringLiteral("Tip# 000"), bar);
    m_datePane = MakePane("statusDate", QStringLiteral("88/88/88"), bar);
    m_categoryPane = MakePane("statusCategory", QStringLiteral("MMMMM"), bar);
    bar->addPermanentWidget(m_numberPane);
    bar->addPermanentWidget(m_datePane);
    bar->addPermanentWidget(m_categoryPane);
}

void CMainFrame::attachFrameCommands()
{
    m_commands.setHandler(CommandId::Exit, [this] { close(); });
    m_commands.setHandler(CommandId::ViewToolbar,
                          [this] { m_toolBar->setVisible(!m_toolBar->isVisible()); });
    m_commands.setStateRule(CommandId::ViewToolbar, [this] {
        return CommandState{true, !m_toolBar->isHidden()};
    });
    m_commands.setHandler(CommandId::ViewStatusBar,
                          [this] { statusBar()->setVisible(!statusBar()->isVisible()); });
    m_commands.setStateRule(CommandId::ViewStatusBar, [this] {
        return CommandState{true, !statusBar()->isHidden()};
    });
    m_commands.setHandler(CommandId::HelpTopics, [this] { showHelpTopics(); });
    m_commands.setHandler(CommandId::About, [this] { showAbout(); });
}

void CMainFrame::returnFocusAfterCommands()
{
    // A command chosen from the keyboard-driven menu bar hands the focus back to the menu
    // bar once its message box or dialog closes, where Page Up and Page Down then do
    // nothing. Connected after the command's own handler, so this runs when it is done.
    for (const CommandRow& row : CommandTable())
        if (QAction* command = action(row.id))
            connect(command, &QAction::triggered, this, &CMainFrame::focusView);
}

void CMainFrame::focusView()
{
    if (QWidget* view = centralWidget())
        view->setFocus(Qt::OtherFocusReason);
}

void CMainFrame::setStatusTexts(const QString& number, const QString& date, const QString& category)
{
    m_StatusNumber = number;
    m_StatusDate = date;
    m_StatusCategory = category;
    m_numberPane->setText(FirstLine(number));
    // A number of more digits than the pane's sample widens it instead: cut, it would
    // read as the number of another Tip.
    m_numberPane->setFixedWidth(
        std::max(m_numberPane->width(), PaneWidthFor(*m_numberPane, m_numberPane->text())));
    m_datePane->setText(FirstLine(date));
    m_categoryPane->setText(FirstLine(category));
}

void CMainFrame::refreshCommandStates()
{
    m_menus->refresh();
}

void CMainFrame::runCommand(CommandId id)
{
    m_commands.run(id);
    refreshCommandStates();
}

void CMainFrame::showHelpTopics()
{
    if (!m_help)
        m_help = new HelpWindow(this);
    m_help->show();
    m_help->raise();
    m_help->activateWindow();
}

void CMainFrame::showAbout()
{
    CAboutDlg about(this);
    about.exec();
}

void CMainFrame::closeEvent(QCloseEvent* event)
{
    if (m_closeGuard && !m_closeGuard())
        event->ignore();
    else
        event->accept();
}
