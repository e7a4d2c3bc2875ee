#pragma once

#include "shell/layer/LoadFollower.h"

#include <functional>
#include <memory>

class Clock;
class Form;

// A window timer: while its window is loaded and it is enabled, its handler runs
// once per Interval milliseconds, between other events. It keeps a steady rate
// (a 10 ms timer ticks 100 times a second), never bunching ticks to catch up.
// It is registered with its form while it lives.
class Timer final : public LoadFollower {
public:
    struct Design {
        int interval = 0; // milliseconds
        bool enabled = true;
    };

    Timer(Form &form, const Design &design, std::function<void()> handler);
    ~Timer();
    Timer(const Timer &) = delete;
    Timer &operator=(const Timer &) = delete;

    int Interval() const { return m_interval; }
    bool Enabled() const { return m_enabled; }
    // Enabling starts a fresh interval.
    void setEnabled(bool enabled);

    void sync() override;
    void stop() override;
    bool isRunning() const;
    // Runs one tick now, as the toolkit would when the interval is up.
    void tick();

private:
    Form &m_form;
    std::unique_ptr<Clock> m_clock;
    std::function<void()> m_handler;
    int m_interval;
    bool m_enabled;
};
