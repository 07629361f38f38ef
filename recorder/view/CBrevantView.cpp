#include "recorder/view/CBrevantView.h"

#include "platform/DeviceResolution.h"
#include "platform/FirstPaint.h"
#include "platform/Messages.h"
#include "recorder/app/CBrevantApp.h"
#include "recorder/app/CBrevantDoc.h"
#include "recorder/app/CMainFrame.h"
#include "recorder/app/RecorderServices.h"
#include "recorder/data/RecorderSettings.h"
#include "recorder/view/DisplayText.h"
#include "recorder/view/FormatCommands.h"
#include "recorder/view/FormatDialogs.h"
#include "recorder/view/NavigationCommands.h"
#include "recorder/view/TipNavigator.h"

#include <QAccessible>
#include <QAction>
#include <QBrush>
#include <QClipboard>
#include <QContextMenuEvent>
#include <QGuiApplication>
#include <QMenu>
#include <QFont>
#include <QMouseEvent>
#include <QPainter>
#include <QScreen>
#include <QScrollBar>
#include <QTimer>

CBrevantView::CBrevantView(CBrevantDoc& doc, CMainFrame& frame,
                           std::unique_ptr<FormatDialogs> dialogs)
    : m_doc(doc), m_frame(frame), m_dialogs(std::move(dialogs))
{
    setObjectName(QStringLiteral("tipView"));
    setFrameShape(QFrame::NoFrame);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    viewport()->setAutoFillBackground(false);
    viewport()->setWhatsThis(QStringLiteral(
        "The Tip on display. With Screen > Enable Click ticked, a click shows the next Tip."));

    MakeTipViewAccessible();
    auto* copy = new QAction(tr("&Copy"), this);
    copy->setObjectName(QStringLiteral("actionCopy"));
    copy->setShortcut(QKeySequence::Copy);
    copy->setShortcutContext(Qt::WidgetWithChildrenShortcut);
    connect(copy, &QAction::triggered, this, &CBrevantView::copyShownTip);
    addAction(copy);

    RecorderServices& services = doc.services();
    m_format = std::make_unique<FormatCommands>(doc, services.settings, services.messages,
                                                *m_dialogs, [this] { repaintAll(); });
    CommandRegistry& commands = frame.commands();
    m_format->attach(commands);
    m_navigator = std::make_unique<TipNavigator>(doc, doc.app().m_Tips, services.messages,
                                                 services.random, *this);
    AttachNavigationCommands(commands, *m_navigator, doc, doc.app().m_Tips, [&services] {
        return services.settings.read(Key::TipAtClosing, Key::kTipAtClosingForShowing);
    });
    commands.setHandler(CommandId::ClearScreen, [this] { OnClearScreen(); });
    commands.setStateRule(CommandId::ClearScreen,
                          [this] { return CommandState{m_doc.m_bClearEnabled}; });
    frame.refreshCommandStates();
}

CBrevantView::~CBrevantView() = default;

void CBrevantView::repaintAll()
{
    viewport()->update();
}

void CBrevantView::setStatusTexts(const QString& number, const std::string& date,
                                  const std::string& category)
{
    m_frame.setStatusTexts(number, QString::fromLocal8Bit(date), QString::fromLocal8Bit(category));
}

void CBrevantView::ShowCurrentTip()
{
    const TipParts tip = m_doc.app().m_Tips.parts(m_doc.m_CurrentTip);
    m_doc.m_CurrentText = tip.text;
    m_doc.m_CurrentDate = tip.date;
    m_doc.m_CurrentCategory = tip.category;
    m_strTipLabel = QString::fromStdString(TipLabel(m_doc.m_CurrentTip));
    setStatusTexts(m_strTipLabel, m_doc.m_CurrentDate, m_doc.m_CurrentCategory);
    repaintAll();
    announceShownText();
}

void CBrevantView::emptyStatusTexts()
{
    m_frame.setStatusTexts({}, {}, {});
}

void CBrevantView::showListing(std::string listing, std::string statusDate,
                               std::string statusCategory)
{
    m_doc.m_CurrentText = std::move(listing);
    setStatusTexts({}, statusDate, statusCategory);
    verticalScrollBar()->setValue(0);
    repaintAll();
    announceShownText();
}

void CBrevantView::OnClearScreen()
{
    m_doc.m_bClearEnabled = false;
    m_doc.m_bTipCommandsEnabled = false;
    emptyStatusTexts();
    m_doc.m_CurrentText.clear();
    m_doc.m_bScreenCleared = true;
    m_doc.m_bOnlyTipNoticeOff = true;
    repaintAll();
    announceShownText();
}

QString CBrevantView::shownText() const
{
    QString text = QString::fromLocal8Bit(ComposeDisplayText(m_doc, true));
    text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    return text;
}

void CBrevantView::copyShownTip() const
{
    QString text = QString::fromLocal8Bit(m_doc.m_CurrentText);
    text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    QGuiApplication::clipboard()->setText(text);
}

void CBrevantView::announceShownText()
{
    // Building the text of a long listing costs; nobody asks for it without a reader.
    if (!QAccessible::isActive())
        return;
    QString now = shownText();
    AnnounceTipViewText(this, m_announcedText, now);
    m_announcedText = std::move(now);
}

void CBrevantView::contextMenuEvent(QContextMenuEvent* event)
{
    QMenu menu(this);
    menu.addActions(actions());
    menu.exec(event->globalPos());
}

void CBrevantView::paintEvent(QPaintEvent* event)
{
    QPainter painter(viewport());
    if (m_doc.m_pBackgroundBrush)
        painter.fillRect(viewport()->rect(), *m_doc.m_pBackgroundBrush);

    m_strTipLabel = QString::fromStdString(TipLabel(m_doc.m_CurrentTip));
    composeDisplay();
    const QFont font = m_doc.m_pFont ? *m_doc.m_pFont : viewport()->font();
    const bool centre = m_doc.m_Alignment == 1;
    const int width = viewport()->width();
    if (!m_layout.isFor(m_strDisplay, font, width, centre))
        m_layout = TextLayout(m_strDisplay, font, width, centre, viewport());

    painter.setPen(m_doc.m_Color.toQColor());
    m_layout.draw(painter, QPointF(0, -verticalScrollBar()->value()), event->rect());
    painter.end();

    updateScrollSizes();
    if (m_doc.m_bFirstPaint)
        firstPaint();
    NoteFirstPaint();
}

void CBrevantView::composeDisplay()
{
    std::string head = DisplayTextHead(m_doc, false);
    if (head == m_shownHead && m_doc.m_CurrentText == m_shownText && !m_strDisplay.isNull())
        return;
    m_shownHead = std::move(head);
    m_shownText = m_doc.m_CurrentText;
    m_strDisplay = QString::fromLocal8Bit(m_shownHead + m_shownText);
}

void CBrevantView::updateScrollSizes()
{
    const int line = m_layout.lineHeight();
    const int client = viewport()->height();
    QScrollBar* bar = verticalScrollBar();
    bar->setSingleStep(line);
    bar->setPageStep(std::max(1, client - line));
    bar->setRange(0, std::max(0, m_layout.height() - client));
}

void CBrevantView::firstPaint()
{
    m_doc.m_bFirstPaint = false;
    if (const QScreen* shown = screen())
        m_fScreenPxPerMm = static_cast<float>(VerticalPixelsPerMm(*shown));
    if (m_doc.m_TipCount() != 0) {
        setStatusTexts(m_strTipLabel, m_doc.m_CurrentDate, m_doc.m_CurrentCategory);
        return;
    }
    emptyStatusTexts();
    // A message box cannot open inside a paint; it follows as soon as the paint is done.
    QTimer::singleShot(0, this, [this] {
        m_doc.services().messages.inform(QStringLiteral("There are no saved Tips."));
    });
}

void CBrevantView::mousePressEvent(QMouseEvent* event)
{
    if (event->button() == Qt::LeftButton && !m_doc.m_DisableScreen)
        m_frame.runCommand(CommandId::Next);
    QAbstractScrollArea::mousePressEvent(event);
}
