#include "Timer.h"

#include "shell/layer/Backend.h"
#include "shell/layer/Clock.h"
#include "shell/layer/Form.h"
#include "shell/layer/Program.h"

#include <utility>

Timer::Timer(Form &form, const Design &design, std::function<void()> handler)
    : m_form(form), m_clock(Backend::current().makeClock([this] { tick(); })), m_handler(std::move(handler)),
      m_interval(design.interval), m_enabled(design.enabled)
{
    form.add(*this);
}

Timer::~Timer()
{
    m_form.remove(*this);
}

void Timer::setEnabled(bool enabled)
{
    m_enabled = enabled;
    sync();
}

void Timer::sync()
{
    const bool run = m_enabled && m_interval > 0 && m_form.isLoaded() && !program::ended();
    if (!run) {
        m_clock->stop();
        return;
    }
    m_clock->start(m_interval);
}

void Timer::stop()
{
    m_clock->stop();
}

bool Timer::isRunning() const
{
    return m_clock->isRunning();
}

void Timer::tick()
{
    program::dispatch(m_handler);
}
