#include "PushButton.h"

#include "QtLook.h"

#include <QKeyEvent>
#include <QPainter>
#include <QStyle>

PushButton::PushButton(const QString &caption, QWidget *parent)
    : QPushButton(caption, parent)
{
    setAutoDefault(false);
    setFocusPolicy(Qt::StrongFocus);
}

void PushButton::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    const QRect face = rect();
    // Filled, not stroked: a stroked outline lies across the button's edge, and on a
    // scaled desktop the face then shows outside it. Filled, the edge is the
    // button's outermost device pixel at every scale.
    // Grey, so that the edge shows on the white face and on a black window alike.
    painter.fillRect(face, toQColor(systemColour::grey));
    painter.fillRect(face.adjusted(1, 1, -1, -1), palette().color(QPalette::Button));
    if (hasFocus()) {
        QPen dots(palette().color(QPalette::ButtonText), 1, Qt::DotLine);
        painter.setPen(dots);
        painter.drawRect(face.adjusted(3, 3, -4, -4));
    }
    // Held down, the caption sinks by a pixel.
    const QRect caption = isDown() ? face.translated(1, 1) : face;
    style()->drawItemText(&painter, caption, Qt::AlignCenter | Qt::TextShowMnemonic, palette(), isEnabled(),
                          text(), QPalette::ButtonText);
}

void PushButton::keyPressEvent(QKeyEvent *event)
{
    if ((event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) && !event->isAutoRepeat()) {
        click();
        return;
    }
    QPushButton::keyPressEvent(event);
}
