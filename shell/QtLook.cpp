#include "QtLook.h"

#include <QFontDatabase>

#include <cmath>

QColor toQColor(const Colour &colour)
{
    return QColor(colour.red, colour.green, colour.blue);
}

QFont toQFont(const FontSpec &wanted)
{
    const QString named = QString::fromStdString(wanted.family);
    const QString family = QFontDatabase::hasFamily(named) ? named : QStringLiteral("DejaVu Sans");
    QFont font(family);
    font.setPixelSize(static_cast<int>(std::lround(wanted.points * 20.0f / 15.0f)));
    font.setBold(wanted.bold);
    return font;
}
