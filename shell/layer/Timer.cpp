#include "Timer.h"

#include "shell/layer/Form.h"
#include "shell/layer/Program.h"

#include <QTimer>

#include <utility>

struct Timer::Clock {
    QTimer timer;
};

Timer::Timer(Form &form, const Design &design, std::function<void()> handler)
    : m_form(form), m_clock(std::make_unique<Clock>()), m_handler(std::move(handler)),
      m_interval(design.interval), m_enabled(design.enabled)
{
    m_clock->timer.setTimerType(Qt::PreciseTimer);
    QObject::connect(&m_clock->timer, &QTimer::timeout, [this] { tick(); });
    form.addTimer(this);
}

Timer::~Timer() = default;

void Timer::setEnabled(bool enabled)
{
    m_enabled = enabled;
    sync();
}

void Timer::sync()
{
    const bool run = m_enabled && m_interval > 0 && m_form.isLoaded() && !program::ended();
    if (!run) {
        m_clock->timer.stop();
        return;
    }
    m_clock->timer.start(m_interval);
}

void Timer::stop()
{
    m_clock->timer.stop();
}

bool Timer::isRunning() const
{
    return m_clock->timer.isActive();
}

void Timer::tick()
{
    program::dispatch(m_handler);
}
