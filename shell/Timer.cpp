#include "Timer.h"

#include "Form.h"
#include "Program.h"

#include <QTimer>

#include <utility>

Timer::Timer(Form &form, int interval, bool enabled, std::function<void()> handler)
    : m_form(form), m_timer(std::make_unique<QTimer>()), m_handler(std::move(handler)),
      m_interval(interval), m_enabled(enabled)
{
    m_timer->setTimerType(Qt::PreciseTimer);
    QObject::connect(m_timer.get(), &QTimer::timeout, [this] { tick(); });
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
        m_timer->stop();
        return;
    }
    m_timer->start(m_interval);
}

void Timer::stop()
{
    m_timer->stop();
}

bool Timer::isRunning() const
{
    return m_timer->isActive();
}

void Timer::tick()
{
    program::dispatch(m_handler);
}
