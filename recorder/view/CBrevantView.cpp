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
#include "recorder/view/ListingBlocks.h"
#include "recorder/view/NavigationCommands.h"
#include "recorder/view/TipNavigator.h"

#include <QAccessible>
#include <QAction>
#include <QBrush>
#include <QClipboard>
#include <QContextMenuEvent>
#include <QFont>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QMenu>
#include <QMouseEvent>
#include <QPainter>
#include <QScreen>
#include <QScrollBar>
#include <QTimer>
#include <limits>

namespace {

// Texts up to this long are compared whole at a paint to notice a change; longer ones
// (listings) only change through the view.
constexpr std::size_t kComparedBytes = 64 * 1024;
// The scroll bar counts at most this far, well inside an int.
constexpr std::int64_t kBarSteps = std::int64_t{1} << 30;

} // namespace

CBrevantView::CBrevantView(CBrevantDoc& doc, CMainFrame& frame,
                           std::unique_ptr<FormatDialogs> dialogs)
    : m_doc(doc), m_frame(frame), m_dialogs(std::move(dialogs))
{
    setObjectName(QStringLiteral("tipView"));
    setFrameShape(QFrame::NoFrame);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
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
    connect(verticalScrollBar(), &QScrollBar::valueChanged, this, &CBrevantView::scrollToBar);
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
    // A fresh string, so a listing's buffer is returned rather than reused.
    m_doc.m_CurrentText = std::string(tip.text);
    m_doc.m_ListedTips = 0;
    m_contentStale = true;
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
    m_doc.m_ListedTips = 0;
    m_contentStale = true;
    m_openAtTop = true;
    setStatusTexts({}, statusDate, statusCategory);
    repaintAll();
}

void CBrevantView::showAllTips()
{
    m_doc.m_CurrentText = std::string();
    m_doc.m_ListedTips = m_doc.app().m_Tips.count();
    m_contentStale = true;
    m_openAtTop = true;
    setStatusTexts({}, {}, {});
    repaintAll();
    announceShownText();
}

void CBrevantView::OnClearScreen()
{
    m_doc.m_bClearEnabled = false;
    m_doc.m_bTipCommandsEnabled = false;
    emptyStatusTexts();
    m_doc.m_CurrentText = std::string();
    m_doc.m_ListedTips = 0;
    m_contentStale = true;
    m_doc.m_bScreenCleared = true;
    m_doc.m_bOnlyTipNoticeOff = true;
    repaintAll();
    announceShownText();
}

namespace {

// Display bytes with the line ends of this system.
QString WithLocalLineEnds(const std::string& bytes)
{
    return QString::fromLocal8Bit(bytes).replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
}

} // namespace

QString CBrevantView::shownText() const
{
    return WithLocalLineEnds(ComposeDisplayText(m_doc, true));
}

void CBrevantView::copyShownTip() const
{
    QGuiApplication::clipboard()->setText(WithLocalLineEnds(DisplayTextBody(m_doc)));
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
    m_strTipLabel = QString::fromStdString(TipLabel(m_doc.m_CurrentTip));
    syncLayout();
    QPainter painter(viewport());
    if (m_doc.m_pBackgroundBrush)
        painter.fillRect(viewport()->rect(), *m_doc.m_pBackgroundBrush);
    painter.setPen(m_doc.m_Color.toQColor());
    m_listing.draw(painter, viewport()->height(), event->rect());
    painter.end();

    updateScrollSizes();
    if (m_doc.m_bFirstPaint)
        firstPaint();
    NoteFirstPaint();
}

ListingLayout::Format CBrevantView::currentFormat() const
{
    return {m_doc.m_pFont ? *m_doc.m_pFont : viewport()->font(), viewport()->width(),
            m_doc.m_Alignment == 1};
}

bool CBrevantView::contentChanged(const std::string& head) const
{
    const std::string& text = m_doc.m_CurrentText;
    return m_contentStale || head != m_shownHead || m_doc.m_ListedTips != m_shownListedTips ||
           text.data() != m_shownTextData || text.size() != m_shownTextSize ||
           (text.size() <= kComparedBytes && text != m_shownShortText);
}

void CBrevantView::syncLayout()
{
    std::string head = DisplayTextHead(m_doc, false);
    if (contentChanged(head)) {
        openContent(std::move(head));
    } else if (!(m_listing.format() == currentFormat())) {
        const std::int64_t top = m_listing.top();
        m_listing.open(*m_content, m_shownHead, currentFormat(), viewport());
        m_listing.scrollTo(top, viewport()->height());
    } else if (m_viewHeight != viewport()->height()) {
        m_listing.scrollTo(m_listing.top(), viewport()->height());
    }
    m_viewHeight = viewport()->height();
}

void CBrevantView::openContent(std::string head)
{
    const std::int64_t top = m_openAtTop ? 0 : m_listing.top();
    m_listing.close();
    const std::string& text = m_doc.m_CurrentText;
    if (m_doc.m_ListedTips != 0)
        m_content = std::make_unique<TipListingBlocks>(m_doc.app().m_Tips, m_doc.m_ListedTips);
    else
        m_content = std::make_unique<TextBlocks>(text);
    m_shownHead = std::move(head);
    m_shownListedTips = m_doc.m_ListedTips;
    m_shownTextData = text.data();
    m_shownTextSize = text.size();
    m_shownShortText = text.size() <= kComparedBytes ? text : std::string();
    m_contentStale = false;
    m_openAtTop = false;
    m_listing.open(*m_content, m_shownHead, currentFormat(), viewport());
    if (fitScrollBarShown())
        m_listing.open(*m_content, m_shownHead, currentFormat(), viewport());
    m_listing.scrollTo(top, viewport()->height());
}

bool CBrevantView::fitScrollBarShown()
{
    const bool needed = m_listing.height() > viewport()->height();
    const Qt::ScrollBarPolicy policy = needed ? Qt::ScrollBarAlwaysOn : Qt::ScrollBarAlwaysOff;
    if (verticalScrollBarPolicy() == policy)
        return false;
    const int width = viewport()->width();
    setVerticalScrollBarPolicy(policy);
    return viewport()->width() != width;
}

void CBrevantView::updateScrollSizes()
{
    const int client = viewport()->height();
    if (!m_listing.isOpen())
        return;
    if (verticalScrollBarPolicy() != Qt::ScrollBarAlwaysOn &&
        m_listing.height() > client) // a later block turned out taller than estimated
        setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    const std::int64_t maxTop = std::max<std::int64_t>(0, m_listing.height() - client);
    m_barScale = std::max<std::int64_t>(1, (maxTop + kBarSteps - 1) / kBarSteps);
    const int line = m_listing.lineHeight();
    QScrollBar* bar = verticalScrollBar();
    m_settingBar = true;
    bar->setSingleStep(static_cast<int>(std::max<std::int64_t>(1, line / m_barScale)));
    bar->setPageStep(static_cast<int>(std::max<std::int64_t>(1, (client - line) / m_barScale)));
    bar->setRange(0, static_cast<int>(maxTop / m_barScale));
    bar->setValue(static_cast<int>(m_listing.top() / m_barScale));
    m_settingBar = false;
}

void CBrevantView::scrollToBar(int value)
{
    if (m_settingBar)
        return;
    // The text may have changed since the last paint; the layout must not read the old one.
    syncLayout();
    const int client = viewport()->height();
    // The bar's ends are the text's ends, whatever the rounding of its steps.
    if (value >= verticalScrollBar()->maximum())
        m_listing.scrollToEnd(client);
    else
        m_listing.scrollTo(value * m_barScale, client);
    repaintAll();
}

void CBrevantView::scrollTo(std::int64_t top)
{
    syncLayout();
    if (top == std::numeric_limits<std::int64_t>::max())
        m_listing.scrollToEnd(viewport()->height());
    else
        m_listing.scrollTo(top, viewport()->height());
    updateScrollSizes();
    repaintAll();
}

void CBrevantView::keyPressEvent(QKeyEvent* event)
{
    const Qt::KeyboardModifiers modifiers = event->modifiers() & ~Qt::KeypadModifier;
    const bool plainOrCtrl = modifiers == Qt::NoModifier || modifiers == Qt::ControlModifier;
    if (plainOrCtrl && event->key() == Qt::Key_Home) {
        scrollTo(0);
        return;
    }
    if (plainOrCtrl && event->key() == Qt::Key_End) {
        scrollTo(std::numeric_limits<std::int64_t>::max());
        return;
    }
    QAbstractScrollArea::keyPressEvent(event);
}

ListingLayout::ShownLines CBrevantView::shownLines()
{
    syncLayout();
    return m_listing.shownLines(viewport()->height());
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
