#include "saver/CSaverWnd.h"

#include "saver/SaverInputWatch.h"

#include <QCloseEvent>
#include <QKeyEvent>
#include <QMouseEvent>

CSaverWnd::CSaverWnd(std::shared_ptr<const SaverContent> content, MsRandom& random,
                     const Clock& clock, Messages& messages, SaverInputWatch& watch)
    : CTipWnd(std::move(content), random, clock, messages), m_watch(watch)
{
    setWindowFlags(Qt::Window | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint);
    setCursor(Qt::BlankCursor);
    setMouseTracking(true);
    setFocusPolicy(Qt::StrongFocus);
}

void CSaverWnd::mouseMoveEvent(QMouseEvent* event)
{
    if (m_watch.endsOnMove(event->globalPosition().toPoint()))
        emit endRequested();
}

void CSaverWnd::mousePressEvent(QMouseEvent*)
{
    emit endRequested();
}

void CSaverWnd::mouseDoubleClickEvent(QMouseEvent*)
{
    emit endRequested();
}

void CSaverWnd::keyPressEvent(QKeyEvent*)
{
    emit endRequested();
}

void CSaverWnd::closeEvent(QCloseEvent* event)
{
    event->ignore();
}
