#include "NoticeAccessible.h"

#include <QWidget>

NoticeAccessible::NoticeAccessible(QWidget &window) : m_window(window)
{
}

QWindow *NoticeAccessible::window() const
{
    return m_window.windowHandle();
}

QAccessibleInterface *NoticeAccessible::parent() const
{
    return QAccessible::queryAccessibleInterface(&m_window);
}

QString NoticeAccessible::text(QAccessible::Text kind) const
{
    return kind == QAccessible::Name ? m_message : QString();
}

QRect NoticeAccessible::rect() const
{
    // A message has no place of its own on the screen.
    return {m_window.mapToGlobal(QPoint()), QSize()};
}
