#include "Toolkit.h"

#include "shell/layer/CommandButton.h"
#include "shell/layer/Form.h"
#include "shell/layer/qt/ChildWidget.h"
#include "shell/layer/qt/FormWindow.h"
#include "shell/layer/qt/QtWindow.h"

#include <QPushButton>

// The backend made every form's window and every button's.
QWidget *toolkit::widget(const Form &form)
{
    return &static_cast<QtWindow &>(form.window()).widget();
}

QPushButton *toolkit::widget(const CommandButton &button)
{
    return static_cast<QPushButton *>(static_cast<ChildWidget &>(button.window()).widget());
}
