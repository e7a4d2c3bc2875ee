#pragma once

// The toolkit behind the layer's windows, controls and pictures, for the layer's
// own classes and the tests. The game never includes this: its code is built
// without the toolkit's headers.

#include "shell/layer/CommandButton.h"
#include "shell/layer/Form.h"
#include "shell/layer/Look.h"
#include "shell/layer/Picture.h"
#include "shell/layer/Surface.h"

#include <QImage>
#include <QPainter>
#include <QPushButton>
#include <QRect>
#include <QString>
#include <QWidget>

#include <string>

// The pixels behind a Surface or a Picture.
struct Pixels {
    QImage image;
};

// The toolkit's painter, handed to the windowless controls when their window paints.
class Painter {
public:
    explicit Painter(QPainter &painter) : qt(painter) {}
    QPainter &qt;
};

namespace toolkit {

QWidget *widget(const Form &form);
QPushButton *widget(const CommandButton &button);

inline QRect rect(const PixelRect &area)
{
    return {area.left, area.top, area.width, area.height};
}

inline PixelRect pixelRect(const QRect &area)
{
    return {area.x(), area.y(), area.width(), area.height()};
}

const QImage &image(const Surface &surface);
void setImage(Surface &surface, const QImage &image);
const QImage &image(const Picture &picture);
Picture picture(const QImage &image);

// Every caption, title and name the game gives the layer is UTF-8.
inline QString text(const std::string &utf8)
{
    return QString::fromStdString(utf8);
}

} // namespace toolkit
