#pragma once

#include "shell/layer/Clock.h"

#include <QTimer>

#include <functional>

// A Timer's clock: a precise toolkit timer.
class QtClock : public Clock {
public:
    explicit QtClock(std::function<void()> tick);

    void start(int milliseconds) override { m_timer.start(milliseconds); }
    void stop() override { m_timer.stop(); }
    bool isRunning() const override { return m_timer.isActive(); }

private:
    QTimer m_timer;
};
