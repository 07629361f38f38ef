#include "platform/WaitCursor.h"

#include <QCursor>
#include <QGuiApplication>

namespace {

bool OverrideCursor(Qt::CursorShape shape)
{
    if (!qobject_cast<QGuiApplication*>(QCoreApplication::instance()))
        return false;
    QGuiApplication::setOverrideCursor(shape);
    return true;
}

} // namespace

WaitCursor::WaitCursor() : m_shown(OverrideCursor(Qt::WaitCursor)) {}

WaitCursor::~WaitCursor()
{
    if (m_shown)
        QGuiApplication::restoreOverrideCursor();
}

NormalCursor::NormalCursor() : m_shown(OverrideCursor(Qt::ArrowCursor)) {}

NormalCursor::~NormalCursor()
{
    if (m_shown)
        QGuiApplication::restoreOverrideCursor();
}
