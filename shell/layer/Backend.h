#pragma once

#include "shell/layer/Look.h"

#include <functional>
#include <memory>
#include <string>

class ChildWindow;
class Clock;
class Form;
class PictureBox;
class WindowPeer;
struct Pixels;

// The toolkit behind the layer: the little the layer asks of it. shell/layer/qt/
// provides it; the program, a test or a benchmark installs it before the first window.
class Backend {
public:
    virtual ~Backend() = default;

    // The backend in use: a program that made none fails here, saying so.
    static Backend &current();
    // Uses this backend from now on; it lives as long as the program.
    static void use(Backend &backend);

    virtual std::unique_ptr<WindowPeer> makeWindow(Form &form, bool keepOutOfTaskbar) = 0;
    // A push button on the form's window that runs `click` through the program's dispatch.
    virtual std::unique_ptr<ChildWindow> makeButton(Form &form, const std::string &caption, const FontSpec &font,
                                                    Colour background, std::function<void()> click) = 0;
    // The sunken child window that shows the box's inside.
    virtual std::unique_ptr<ChildWindow> makePictureWindow(Form &form, const PictureBox &box) = 0;
    virtual std::unique_ptr<Clock> makeClock(std::function<void()> tick) = 0;
    // A picture built into the program, or none when it is not there or unreadable.
    virtual std::shared_ptr<const Pixels> loadPicture(const std::string &name) = 0;

    // The user's locale's decimal separator, when it is one character of ASCII; else a point.
    virtual char decimalPoint() const = 0;
    // The primary monitor's place on the desktop, in pixels; empty when not known.
    virtual PixelRect primaryScreen() const = 0;
    // Shows a run-time error's message in a message box, and returns when it is closed.
    virtual void showError(const std::string &message) = 0;
    // Leaves the event loop with this exit status.
    virtual void quit(int status) = 0;
};
