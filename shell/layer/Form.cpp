#include "Form.h"

#include "shell/layer/Program.h"
#include "shell/layer/Timer.h"
#include "shell/layer/qt/FormWindow.h"
#include "shell/layer/qt/Toolkit.h"
#include "shell/layer/qt/FormAccessible.h"

#include <QAccessible>
#include <QRect>
#include <QRectF>

#include <algorithm>

namespace {
constexpr float frameWidthTwips = pixelsToTwips(Form::frameLeftPixels + Form::frameRightPixels);
constexpr float frameHeightTwips = pixelsToTwips(Form::frameTopPixels + Form::frameBottomPixels);
} // namespace

Form::Form(const Design &design)
    : m_window(std::make_unique<FormWindow>(*this, design.frame == Frame::FixedTool)),
      m_background(design.background),
      m_width(design.clientWidth + frameWidthTwips),
      m_height(design.clientHeight + frameHeightTwips)
{
    m_window->setWindowTitle(toolkit::text(design.caption));
    m_surface.setChangeHandler([this](int x, int y, int w, int h) { invalidate({x, y, w, h}); });
    resizeClient();
}

Form::~Form() = default;

void Form::Load()
{
    if (m_loaded)
        return;
    m_loaded = true;
    Form_Load();
    syncTimers();
}

void Form::Show()
{
    Load();
    if (m_window->isVisible()) {
        // A window manager may minimise a window that offers no button for it, and a
        // window kept out of the taskbar has no other way back than being shown again.
        m_window->setWindowState(m_window->windowState() & ~Qt::WindowMinimized);
        m_window->raise();
        m_window->activateWindow();
        return;
    }
    if (!m_placed) {
        const program::PixelPoint place = program::placeOnScreen(twipsToPixels(m_width), twipsToPixels(m_height));
        m_window->move(place.x, place.y);
        m_placed = true;
    }
    m_window->show();
    m_window->raise();
    m_window->activateWindow();
}

void Form::Unload()
{
    std::int16_t cancel = 0;
    Form_Unload(cancel);
    if (cancel != 0)
        return;
    m_loaded = false;
    stopTimers();
    m_window->hide();
    m_surface.clear();
}

void Form::Refresh()
{
    ++m_refreshes;
    m_surface.clear();
    // The copies that follow land on the kept surface, so one paint at the next
    // turn of the event loop shows the same picture as painting now and again.
    m_window->update();
}

void Form::setWidth(float twips)
{
    m_width = twips;
    resizeClient();
}

void Form::setHeight(float twips)
{
    m_height = twips;
    resizeClient();
}

bool Form::isVisible() const
{
    return m_window->isVisible();
}

void Form::setAccessibleDescription(const std::string &text)
{
    m_window->setAccessibleDescription(toolkit::text(text));
}

void Form::setAccessibleName(const std::string &name)
{
    m_window->setAccessibleName(toolkit::text(name));
}

void Form::announce(const std::string &message) const
{
    if (QAccessible::isActive())
        FormAccessible::announce(m_window.get(), toolkit::text(message));
}

void Form::resizeClient()
{
    const int width = std::max(0, twipsToPixels(m_width) - frameLeftPixels - frameRightPixels);
    const int height = std::max(0, twipsToPixels(m_height) - frameTopPixels - frameBottomPixels);
    if (m_surface.width() == width && m_surface.height() == height)
        return;
    m_window->setFixedSize(width, height);
    m_surface.resize(width, height);
}

void Form::addWindowless(WindowlessControl *control)
{
    m_windowless.push_back(control);
}

void Form::addTimer(Timer *timer)
{
    m_timers.push_back(timer);
}

void Form::invalidate(const PixelRect &area)
{
    const QRect pixels = toolkit::rect(area);
    if (!m_window->isVisible())
        return;
    // On a scaled desktop a control's edge falls inside a device pixel and its
    // antialiased rim reaches the next one: mark whole device pixels, one more
    // all round, or a moving ball leaves its rim behind.
    const qreal ratio = m_window->devicePixelRatioF();
    const QRect device = QRectF(QPointF(pixels.topLeft()) * ratio, QSizeF(pixels.size()) * ratio)
                             .toAlignedRect()
                             .adjusted(-1, -1, 1, 1);
    m_window->update(QRectF(QPointF(device.topLeft()) / ratio, QSizeF(device.size()) / ratio).toAlignedRect());
}

void Form::syncTimers()
{
    for (Timer *timer : m_timers)
        timer->sync();
}

void Form::stopTimers()
{
    for (Timer *timer : m_timers)
        timer->stop();
}

void Form::shutDown()
{
    stopTimers();
    m_window->hide();
}

QWidget *toolkit::widget(const Form &form)
{
    return &form.window();
}
