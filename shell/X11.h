#pragma once

#include <string>

class QWidget;

// The little the game asks of an X display directly (used inside shell/ only).
namespace x11 {

// Connects to the X display named by DISPLAY and lets it go again: true when it answers.
bool displayAnswers();

// Keeps a top-level window out of the taskbar and the pager: the toolkit's tool
// window only names the window a utility, which a taskbar may still list.
// Call it before the window is shown; nothing happens when the game does not run on X11.
void keepOutOfTaskbar(QWidget &window);

} // namespace x11
