#pragma once

// What a form starts and stops with its loading: its timers. Each is registered
// with its form while it lives.
class LoadFollower {
public:
    virtual void sync() = 0; // runs when it should, stopped otherwise
    virtual void stop() = 0; // stopped until the next sync: its window was unloaded or the program ends

protected:
    ~LoadFollower() = default;
};
