// Draws the game's icon, a wall tile with the ball above it on a black field, as
// one SVG and as PNG files of 16, 32, 48, 64 and 128 pixels.
// Usage: icongen <folder>. The files in assets/icon/ were made with it.
#include <QColor>
#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QRectF>

#include <cstdio>

namespace {

// The icon is designed on a 128 x 128 grid; the PNG files scale it.
constexpr int designSize = 128;
constexpr int pngSizes[] = {16, 32, 48, 64, 128};

struct Shape {
    bool circle = false;
    QRectF area;
    qreal radius = 0; // of the corners, for rectangles
    QColor colour;
};

// The tile's colours are those of the yellow wall tile; the ball is the game's white disc.
const Shape shapes[] = {
    {false, QRectF(4, 4, 120, 120), 18, QColor(0x00, 0x00, 0x00)},
    {false, QRectF(14, 70, 100, 50), 9, QColor(0x80, 0x00, 0x00)},
    {false, QRectF(21, 77, 86, 36), 3, QColor(0xFF, 0xFF, 0x00)},
    {true, QRectF(48, 20, 32, 32), 0, QColor(0xFF, 0xFF, 0xFF)},
};

QString svg()
{
    QString text = QStringLiteral("<svg xmlns=\"http://www.w3.org/2000/svg\" width=\"%1\" height=\"%1\" "
                                  "viewBox=\"0 0 %1 %1\">\n").arg(designSize);
    for (const Shape &shape : shapes) {
        const QRectF &a = shape.area;
        if (shape.circle)
            text += QStringLiteral("  <circle cx=\"%1\" cy=\"%2\" r=\"%3\" fill=\"%4\"/>\n")
                        .arg(a.center().x()).arg(a.center().y()).arg(a.width() / 2).arg(shape.colour.name());
        else
            text += QStringLiteral("  <rect x=\"%1\" y=\"%2\" width=\"%3\" height=\"%4\" rx=\"%5\" fill=\"%6\"/>\n")
                        .arg(a.x()).arg(a.y()).arg(a.width()).arg(a.height()).arg(shape.radius)
                        .arg(shape.colour.name());
    }
    return text + QStringLiteral("</svg>\n");
}

QImage png(int size)
{
    QImage image(size, size, QImage::Format_ARGB32);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(Qt::NoPen);
    painter.scale(qreal(size) / designSize, qreal(size) / designSize);
    for (const Shape &shape : shapes) {
        painter.setBrush(shape.colour);
        if (shape.circle)
            painter.drawEllipse(shape.area);
        else
            painter.drawRoundedRect(shape.area, shape.radius, shape.radius);
    }
    return image;
}

} // namespace

int main(int argc, char **argv)
{
    QGuiApplication app(argc, argv);
    if (argc != 2) {
        std::fprintf(stderr, "usage: icongen <folder>\n");
        return 2;
    }
    const QDir folder(QString::fromLocal8Bit(argv[1]));
    const QString svgPath = folder.filePath(QStringLiteral("zellomar.svg"));
    QFile svgFile(svgPath);
    if (!svgFile.open(QIODevice::WriteOnly) || svgFile.write(svg().toUtf8()) < 0 || !svgFile.flush()) {
        std::fprintf(stderr, "icongen: cannot write %s\n", qPrintable(svgPath));
        return 1;
    }
    for (const int size : pngSizes) {
        const QString path = folder.filePath(QStringLiteral("zellomar-%1.png").arg(size));
        if (!png(size).save(path, "PNG")) {
            std::fprintf(stderr, "icongen: cannot write %s\n", qPrintable(path));
            return 1;
        }
    }
    return 0;
}
