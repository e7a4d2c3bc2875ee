#pragma once

// The Qt widgets behind the layer's windows and controls, and the conversions of
// qt/Convert.h, for the backend's own classes and the tests. The game never
// includes this: its code is built without the toolkit's headers.

#include "shell/layer/qt/Convert.h"

class CommandButton;
class Form;
class QPushButton;
class QWidget;

namespace toolkit {

QWidget *widget(const Form &form);
QPushButton *widget(const CommandButton &button);

} // namespace toolkit
