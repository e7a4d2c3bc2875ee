#include "QtWindow.h"

#include "shell/layer/qt/Convert.h"
#include "shell/layer/qt/FormAccessible.h"
#include "shell/layer/qt/FormWindow.h"

#include <QAccessible>

QtWindow::QtWindow(Form &form, bool keepOutOfTaskbar)
    : m_widget(std::make_unique<FormWindow>(form, keepOutOfTaskbar))
{
}

QtWindow::~QtWindow() = default;

void QtWindow::setTitle(const std::string &title)
{
    m_widget->setWindowTitle(toolkit::text(title));
}

void QtWindow::setAccessibleName(const std::string &name)
{
    m_widget->setAccessibleName(toolkit::text(name));
}

void QtWindow::setAccessibleDescription(const std::string &text)
{
    m_widget->setAccessibleDescription(toolkit::text(text));
}

void QtWindow::setClientSize(int width, int height)
{
    m_widget->setFixedSize(width, height);
}

void QtWindow::moveTo(int x, int y)
{
    m_widget->move(x, y);
}

bool QtWindow::isVisible() const
{
    return m_widget->isVisible();
}

void QtWindow::show()
{
    // A window manager may minimise a window that offers no button for it, and a
    // window kept out of the taskbar has no other way back than being shown again.
    if (m_widget->isVisible())
        m_widget->setWindowState(m_widget->windowState() & ~Qt::WindowMinimized);
    else
        m_widget->show();
    m_widget->raise();
    m_widget->activateWindow();
}

void QtWindow::hide()
{
    m_widget->hide();
}

void QtWindow::repaint()
{
    m_widget->update();
}

void QtWindow::repaint(const PixelRect &area)
{
    if (!m_widget->isVisible())
        return;
    // On a scaled desktop a control's edge falls inside a device pixel and its
    // antialiased rim reaches the next one: mark whole device pixels, one more
    // all round, or a moving ball leaves its rim behind.
    const QRect pixels = toolkit::rect(area);
    const qreal ratio = m_widget->devicePixelRatioF();
    const QRect device = QRectF(QPointF(pixels.topLeft()) * ratio, QSizeF(pixels.size()) * ratio)
                             .toAlignedRect()
                             .adjusted(-1, -1, 1, 1);
    m_widget->update(QRectF(QPointF(device.topLeft()) / ratio, QSizeF(device.size()) / ratio).toAlignedRect());
}

void QtWindow::announce(const std::string &message)
{
    if (QAccessible::isActive())
        FormAccessible::announce(m_widget.get(), toolkit::text(message));
}

void QtWindow::nameChanged(const WindowlessControl &control)
{
    if (QAccessible::isActive())
        FormAccessible::announceName(control, *m_widget);
}

void QtWindow::enabledChanged(const WindowlessControl &control)
{
    if (QAccessible::isActive())
        FormAccessible::announceEnabled(control, *m_widget);
}
