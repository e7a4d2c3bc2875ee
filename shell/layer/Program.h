#pragma once

#include "shell/layer/Screen.h"

#include <functional>
#include <memory>
#include <string>
#include <typeindex>

class Form;

// The program's lifecycle: its window instances, the event boundary where
// run-time errors and the end of the program are handled, and the few facts
// about the machine the game reads (its folder, the screen's size).
namespace program {

// The folder that holds the executable; tests may set their own.
std::string folder();
void setFolder(std::string folder);

// The toolkit's side of the lifecycle (run and preferPlainImageUpload) is the
// backend's, in qt/Run.cpp.
// Starts the toolkit on the display that answers (X11, else Wayland), runs `start`
// as the first handler and then every event until the program ends; returns the
// exit status. With no display that answers it says so on stderr and returns 1.
int run(int argc, char **argv, const std::function<void()> &start);

// Has the X11 platform send window pixels over its socket rather than through
// shared memory, unless the user has chosen. Call before the toolkit starts.
void preferPlainImageUpload();

// Ends the program at once from inside the running handler: nothing after the
// call runs, no further handler runs, the timers stop and every window goes.
[[noreturn]] void End();

// Runs one event handler. A run-time error it raises is written to stderr as
// "Zellomar: run-time error: <kind>: <what>", shown in a message box, and ends
// the program with status 1. Returns false when the program has ended.
bool dispatch(const std::function<void()> &handler) noexcept;

bool ended();
int exitStatus();

// Forgets every window and the ended state: the next reference starts afresh.
// main() calls it before the toolkit goes; tests call it between cases.
void reset();

namespace detail {
Form &instance(std::type_index type, const std::function<std::unique_ptr<Form>()> &make);
} // namespace detail

// The program-wide instance of a window, created at its first reference.
template <class T>
T &instance()
{
    return static_cast<T &>(detail::instance(typeid(T), [] { return std::make_unique<T>(); }));
}

} // namespace program
