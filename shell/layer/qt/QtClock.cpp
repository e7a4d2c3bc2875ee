#include "QtClock.h"

#include <utility>

QtClock::QtClock(std::function<void()> tick)
{
    m_timer.setTimerType(Qt::PreciseTimer);
    QObject::connect(&m_timer, &QTimer::timeout, std::move(tick));
}
