#pragma once

#include "shell/layer/Look.h"
#include "shell/layer/Surface.h"

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

class LoadFollower;
class WindowPeer;
class WindowlessControl;

// A top-level window. Its Width and Height are the outer size in twips: the
// client area plus a fixed nominal frame of 3 pixels left, right and below and
// 29 pixels for the title bar and top edge (90 twips across, 480 down), the same
// on every desktop so that no game rule depends on the window manager.
class Form {
public:
    enum class Frame {
        FixedSingle, // title bar, close box, no minimise or maximise, in the taskbar
        FixedTool,   // the same, but kept out of the taskbar
    };
    struct Design {
        std::string caption;
        float clientWidth = 0.0f;  // twips
        float clientHeight = 0.0f; // twips
        Colour background = colour::black;
        Frame frame = Frame::FixedSingle;
    };

    static constexpr int frameLeftPixels = 3;
    static constexpr int frameRightPixels = 3;
    static constexpr int frameTopPixels = 29;
    static constexpr int frameBottomPixels = 3;

    explicit Form(const Design &design);
    virtual ~Form();
    Form(const Form &) = delete;
    Form &operator=(const Form &) = delete;

    // Runs Form_Load once, the window still hidden; loading a loaded window does nothing.
    void Load();
    // Loads if needed and shows the window, modeless and without owner,
    // centred on the screen the first time. A shown window is brought back
    // from minimised, raised and given the keyboard.
    void Show();
    // Runs Form_Unload and, unless it cancels, closes the window and stops its timers.
    void Unload();
    // Wipes what was drawn on the surface and paints the window afresh.
    void Refresh();
    // The client area's drawing surface; it keeps what is copied onto it.
    HDC hDC() { return &m_surface; }

    float Width() const { return m_width; }
    float Height() const { return m_height; }
    void setWidth(float twips);
    void setHeight(float twips);

    bool isLoaded() const { return m_loaded; }
    // How many times the window has been wiped and painted afresh.
    long refreshCount() const { return m_refreshes; }
    bool isVisible() const;
    // What a screen reader says of the window besides its caption.
    void setAccessibleDescription(const std::string &text);
    // What a screen reader calls the window, in place of its caption.
    void setAccessibleName(const std::string &name);
    // Tells a listening screen reader the message once, whatever has the focus;
    // costs a flag test when none listens.
    void announce(const std::string &message) const;

    // Event handlers; a window overrides those it answers.
    virtual void Form_Load() {}
    virtual void Form_Unload(std::int16_t &Cancel) { (void)Cancel; }
    // The key's code comes by value: the key reaches the handler and nothing else.
    virtual void Form_KeyDown(std::int16_t KeyCode, std::int16_t Shift) { (void)KeyCode, (void)Shift; }
    virtual void Form_KeyUp(std::int16_t KeyCode, std::int16_t Shift) { (void)KeyCode, (void)Shift; }
    // The window stopped being the active window; it hears no key-up from now on.
    virtual void Form_Deactivate() {}

    // For the layer's controls and the program's lifecycle; the toolkit's window
    // is reached through qt/Toolkit.h.
    WindowPeer &window() const { return *m_window; }
    // A control or a timer registers itself while it lives: the form never
    // reaches one that has gone.
    void add(WindowlessControl &control);
    void remove(const WindowlessControl &control);
    void add(LoadFollower &timer);
    void remove(const LoadFollower &timer);
    void invalidate(const PixelRect &pixels);
    const std::vector<WindowlessControl *> &windowlessControls() const { return m_windowless; }
    Colour background() const { return m_background; }
    void stopTimers();
    void shutDown(); // the program ends: timers stop, the window goes

private:
    void resizeClient();
    void syncTimers();

    Surface m_surface;
    // Registered, not owned: each removes itself as it goes.
    std::vector<WindowlessControl *> m_windowless;
    std::vector<LoadFollower *> m_timers;
    Colour m_background;
    float m_width = 0.0f;
    float m_height = 0.0f;
    bool m_loaded = false;
    bool m_placed = false;
    long m_refreshes = 0;
    // Last, so that it goes first: while it goes, the form is whole.
    std::unique_ptr<WindowPeer> m_window;
};
