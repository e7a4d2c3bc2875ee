#pragma once

#include <string>

class QWidget;

// The little the game asks of an X display directly (used inside shell/ only).
namespace x11 {

// Connects to the X display named by DISPLAY: true when it answers within a few
// seconds. The connection stays open until closeDisplayCheck().
bool displayAnswers();

// Closes the display check's connection. Call it once the toolkit has connected,
// so that the X server never sees its last client leave in between.
void closeDisplayCheck();

// Keeps a top-level window out of the taskbar and the pager: the toolkit's tool
// window only names the window a utility, which a taskbar may still list.
// Call it before the window is shown; nothing happens when the game does not run on X11.
void keepOutOfTaskbar(QWidget &window);

// Tells the window manager that the window may be moved and closed, and no more:
// no resizing, minimising or maximising, nor the frame's handles and buttons for
// them. Call it before the window is shown; nothing happens when the game does not
// run on X11.
void fixFrame(QWidget &window);

// Asks the X server to send a held key's repeats as presses alone. Without it every
// repeat comes as a release and a press, and a release that the toolkit does not
// pair with its press in time reaches the game as a real key-up, letting go of
// the other arrow. Nothing happens when the game does not run on X11.
void detectAutoRepeat();

} // namespace x11
