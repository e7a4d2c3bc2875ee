#include "Form.h"

#include "shell/layer/Backend.h"
#include "shell/layer/LoadFollower.h"
#include "shell/layer/Screen.h"
#include "shell/layer/WindowPeer.h"

#include <algorithm>

namespace {
constexpr float frameWidthTwips = pixelsToTwips(Form::frameLeftPixels + Form::frameRightPixels);
constexpr float frameHeightTwips = pixelsToTwips(Form::frameTopPixels + Form::frameBottomPixels);
} // namespace

Form::Form(const Design &design)
    : m_background(design.background),
      m_width(design.clientWidth + frameWidthTwips),
      m_height(design.clientHeight + frameHeightTwips),
      m_window(Backend::current().makeWindow(*this, design.frame == Frame::FixedTool))
{
    m_window->setTitle(design.caption);
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
    if (!m_placed && !m_window->isVisible()) {
        const program::PixelPoint place = program::placeOnScreen(twipsToPixels(m_width), twipsToPixels(m_height));
        m_window->moveTo(place.x, place.y);
        m_placed = true;
    }
    m_window->show();
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
    m_window->repaint();
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
    m_window->setAccessibleDescription(text);
}

void Form::setAccessibleName(const std::string &name)
{
    m_window->setAccessibleName(name);
}

void Form::announce(const std::string &message) const
{
    m_window->announce(message);
}

void Form::resizeClient()
{
    const int width = std::max(0, twipsToPixels(m_width) - frameLeftPixels - frameRightPixels);
    const int height = std::max(0, twipsToPixels(m_height) - frameTopPixels - frameBottomPixels);
    if (m_surface.width() == width && m_surface.height() == height)
        return;
    m_window->setClientSize(width, height);
    m_surface.resize(width, height);
}

void Form::add(WindowlessControl &control)
{
    m_windowless.push_back(&control);
}

void Form::remove(const WindowlessControl &control)
{
    std::erase(m_windowless, &control);
}

void Form::add(LoadFollower &timer)
{
    m_timers.push_back(&timer);
}

void Form::remove(const LoadFollower &timer)
{
    std::erase(m_timers, &timer);
}

void Form::invalidate(const PixelRect &area)
{
    m_window->repaint(area);
}

void Form::syncTimers()
{
    for (LoadFollower *timer : m_timers)
        timer->sync();
}

void Form::stopTimers()
{
    for (LoadFollower *timer : m_timers)
        timer->stop();
}

void Form::shutDown()
{
    stopTimers();
    m_window->hide();
}
