#pragma once

#include <QPushButton>

// The toolkit button behind a CommandButton: a flat face in the button colour of
// its palette with a thin grey edge, the caption with its access key underlined, and
// a dotted mark inside the edge while it has the focus. Return and Enter press it
// as Space does.
class PushButton : public QPushButton {
public:
    PushButton(const QString &caption, QWidget *parent);

protected:
    void paintEvent(QPaintEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
};
