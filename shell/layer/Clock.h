#pragma once

// The toolkit's timer behind a Timer: it ticks once per interval while running.
class Clock {
public:
    virtual ~Clock() = default;

    virtual void start(int milliseconds) = 0; // a fresh interval
    virtual void stop() = 0;
    virtual bool isRunning() const = 0;
};
