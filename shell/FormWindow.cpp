#include "FormWindow.h"

#include "Control.h"
#include "Form.h"
#include "KeyCodes.h"
#include "Program.h"
#include "QtLook.h"

#include <QCloseEvent>
#include <QKeyEvent>
#include <QPaintEvent>
#include <QPainter>

FormWindow::FormWindow(Form &form, bool keepOutOfTaskbar)
    : m_form(form)
{
    // A fixed frame: title bar with the system menu and the close box, no minimise or maximise.
    Qt::WindowFlags flags = (keepOutOfTaskbar ? Qt::Tool : Qt::Window) | Qt::CustomizeWindowHint
        | Qt::WindowTitleHint | Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint;
    setWindowFlags(flags);
    setFocusPolicy(Qt::StrongFocus);
    setAttribute(Qt::WA_OpaquePaintEvent);
    setAutoFillBackground(false);
}

void FormWindow::paintEvent(QPaintEvent *event)
{
    QPainter painter(this);
    painter.setClipRegion(event->region());
    painter.fillRect(event->rect(), toQColor(m_form.background()));
    for (const WindowlessControl *control : m_form.windowlessControls())
        if (control->pixelRect().intersects(event->rect()))
            control->paint(painter);
    const QRect area = event->rect();
    painter.drawImage(area, m_form.hDC()->image(), area);
}

void FormWindow::keyPressEvent(QKeyEvent *event)
{
    std::int16_t code = virtualKey(event->key());
    const std::int16_t shift = shiftState(event->modifiers());
    program::dispatch([&] { m_form.Form_KeyDown(code, shift); });
    QWidget::keyPressEvent(event);
}

void FormWindow::keyReleaseEvent(QKeyEvent *event)
{
    // An X server sends a release before every auto-repeated press; the key is still down.
    if (event->isAutoRepeat()) {
        event->accept();
        return;
    }
    std::int16_t code = virtualKey(event->key());
    const std::int16_t shift = shiftState(event->modifiers());
    program::dispatch([&] { m_form.Form_KeyUp(code, shift); });
    QWidget::keyReleaseEvent(event);
}

void FormWindow::closeEvent(QCloseEvent *event)
{
    // The form decides: its unload handler runs, and unloading hides the window.
    event->ignore();
    program::dispatch([this] { m_form.Unload(); });
}
