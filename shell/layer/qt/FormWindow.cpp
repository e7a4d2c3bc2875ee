#include "FormWindow.h"

#include "shell/layer/Form.h"
#include "shell/layer/Program.h"
#include "shell/layer/WindowlessControl.h"
#include "shell/layer/qt/Convert.h"
#include "shell/layer/qt/KeyMap.h"
#include "shell/layer/qt/QtLook.h"
#include "shell/layer/qt/QtPainter.h"
#include "shell/layer/qt/X11.h"

#include <QAccessible>
#include <QCloseEvent>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QPaintEvent>
#include <QPainter>
#include <QShowEvent>
#include <QTimer>
#include <QWindow>

FormWindow::FormWindow(Form &form, bool keepOutOfTaskbar)
    : m_form(form),
      m_keepOutOfTaskbar(keepOutOfTaskbar)
{
    // A fixed frame: title bar with the system menu and the close box, no minimise or
    // maximise. Every window is a plain top-level window with no owner; one kept out
    // of the taskbar says so by its window state (see showEvent).
    setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint
                   | Qt::WindowCloseButtonHint);
    // The window itself is no stop of the Tab cycle: its buttons are. Its keys reach it
    // all the same when none of its controls has the focus.
    setFocusPolicy(Qt::NoFocus);
    setAttribute(Qt::WA_OpaquePaintEvent);
    setAutoFillBackground(false);
}

FormWindow::~FormWindow()
{
    for (const auto &[serial, id] : m_accessibleIds)
        QAccessible::deleteAccessibleInterface(id);
}

void FormWindow::paintEvent(QPaintEvent *event)
{
    QPainter painter(this);
    painter.setClipRegion(event->region());
    painter.fillRect(event->rect(), toQColor(m_form.background()));
    QtPainter controls(painter);
    for (const WindowlessControl *control : m_form.windowlessControls())
        if (toolkit::rect(control->pixelRect()).intersects(event->rect()))
            control->paint(controls);
    const QRect area = event->rect();
    painter.drawImage(area, toolkit::image(*m_form.hDC()), area);
}

void FormWindow::keyPressEvent(QKeyEvent *event)
{
    const std::int16_t code = virtualKey(event->key());
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
    const std::int16_t code = virtualKey(event->key());
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

void FormWindow::showEvent(QShowEvent *event)
{
    if (!event->spontaneous()) {
        x11::fixFrame(*this);
        if (m_keepOutOfTaskbar)
            x11::keepOutOfTaskbar(*this);
    }
    // Window managers may maximise a window or make it full screen whatever it asks
    // for, and under Wayland the toolkit draws the frame itself, with minimise and
    // maximise buttons: every such state is undone but minimised.
    if (!m_watchingState && windowHandle()) {
        m_watchingState = true;
        connect(windowHandle(), &QWindow::windowStateChanged, this,
                [this](Qt::WindowState state) { windowStateChanged(state); });
    }
    QWidget::showEvent(event);
}

void FormWindow::windowStateChanged(Qt::WindowState state)
{
    if (state != Qt::WindowMaximized && state != Qt::WindowFullScreen)
        return;
    if (QGuiApplication::platformName() == QLatin1String("wayland")) {
        // The window must take the size the compositor gives it, or the compositor
        // ends the connection: the fixed size is let go until the window is back
        // at its own size (see resizeEvent), which puts the state back.
        setMaximumSize(QWIDGETSIZE_MAX, QWIDGETSIZE_MAX);
        return;
    }
    QTimer::singleShot(0, this, [this] { putBack(); });
}

void FormWindow::putBack()
{
    windowHandle()->setWindowState(Qt::WindowNoState);
}

void FormWindow::resizeEvent(QResizeEvent *event)
{
    if (m_watchingState) {
        if (size() != minimumSize())
            QTimer::singleShot(0, this, [this] { putBack(); });
        else if (maximumSize() != minimumSize())
            setMaximumSize(minimumSize());
    }
    QWidget::resizeEvent(event);
}

bool FormWindow::event(QEvent *event)
{
    // A window that is no longer active hears no more key releases.
    if (event->type() == QEvent::WindowDeactivate)
        program::dispatch([this] { m_form.Form_Deactivate(); });
    return QWidget::event(event);
}
