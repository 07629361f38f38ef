#include "saver/CTipWnd.h"

#include "platform/FirstPaint.h"
#include "platform/Messages.h"
#include "saver/SaverPainting.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QPainter>
#include <QTimerEvent>

CTipWnd::CTipWnd(std::shared_ptr<const SaverContent> content, MsRandom& random, const Clock& clock,
                 Messages& messages, QWidget* parent)
    : QWidget(parent), m_scene(std::move(content), random, clock), m_messages(messages)
{
    setAttribute(Qt::WA_OpaquePaintEvent);
    setAttribute(Qt::WA_NoSystemBackground);
    setWindowTitle(QString());
}

CTipWnd::~CTipWnd()
{
    if (m_timerId > 0)
        killTimer(m_timerId);
}

void CTipWnd::startTicking()
{
    if (m_timerId > 0)
        return;
    m_timerId = startTimer(static_cast<int>(m_scene.timing().periodMs));
    if (m_timerId == 0) {
        MessageOptions options;
        options.caption = QFileInfo(QCoreApplication::applicationFilePath()).completeBaseName();
        m_messages.show(QStringLiteral("Cannot install Timer."), MessageIcon::Information,
                        MessageButtons::Ok, options);
    }
}

void CTipWnd::paintEvent(QPaintEvent*)
{
    // The window system asks for repaints of its own (mapping, going full screen); they
    // show the frame on display again, so that only the first paint and the timer's
    // ticks move on to the next Tip and colour.
    if (m_frameDue) {
        m_frame = m_scene.nextFrame();
        m_frameDue = false;
    }
    QPainter painter(this);
    PaintSaverFrame(painter, rect(), m_frame);
    NoteFirstPaint();
}

void CTipWnd::timerEvent(QTimerEvent* event)
{
    if (event->timerId() == m_timerId) {
        m_frameDue = true;
        update();
    }
    QWidget::timerEvent(event);
}
