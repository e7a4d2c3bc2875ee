#include "PictureWindow.h"

#include "shell/layer/Look.h"
#include "shell/layer/PictureBox.h"
#include "shell/layer/qt/QtLook.h"
#include "shell/layer/qt/Convert.h"

#include <QAccessible>
#include <QPainter>

PictureWindow::PictureWindow(const PictureBox &box, QWidget *parent)
    : QWidget(parent), m_box(box)
{
    setFocusPolicy(Qt::NoFocus);
    setAttribute(Qt::WA_OpaquePaintEvent);
    // While a screen reader listens, the toolkit makes this window's accessible as
    // soon as its QWidget part is built, too early to know it as a picture, and keeps
    // that plain one, which a screen reader reads as a filler: it is dropped here, so
    // that the next look makes the picture's.
    if (QAccessible::isActive())
        if (QAccessibleInterface *early = QAccessible::queryAccessibleInterface(this);
            early && early->role() != QAccessible::Graphic)
            QAccessible::deleteAccessibleInterface(QAccessible::uniqueId(early));
}

void PictureWindow::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    const int w = width();
    const int h = height();
    const int b = PictureBox::borderPixels;
    painter.fillRect(rect(), toQColor(systemColour::buttonFace));
    // Sunken border: dark above and to the left, light below and to the right.
    painter.fillRect(0, 0, w, 1, toQColor(systemColour::grey));
    painter.fillRect(0, 0, 1, h, toQColor(systemColour::grey));
    painter.fillRect(1, 1, w - 2, 1, Qt::black);
    painter.fillRect(1, 1, 1, h - 2, Qt::black);
    painter.fillRect(0, h - 1, w, 1, Qt::white);
    painter.fillRect(w - 1, 0, 1, h, Qt::white);
    painter.fillRect(1, h - 2, w - 2, 1, toQColor(systemColour::buttonFace));
    painter.fillRect(w - 2, 1, 1, h - 2, toQColor(systemColour::buttonFace));
    painter.setClipRect(b, b, w - 2 * b, h - 2 * b);
    painter.drawImage(b, b, toolkit::image(m_box.inside()));
}
