#include "PushButton.h"

#include <QKeyEvent>
#include <QPainter>
#include <QStyle>

namespace {
// Grey, so that the edge shows on the white face and on a black window alike.
constexpr QRgb edge = 0x808080;
} // namespace

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
    painter.fillRect(face, palette().color(QPalette::Button));
    painter.setPen(QColor(edge));
    painter.drawRect(face.adjusted(0, 0, -1, -1));
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
