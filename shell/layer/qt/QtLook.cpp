#include "QtLook.h"

#include <cmath>

QColor toQColor(const Colour &colour)
{
    return QColor(colour.red, colour.green, colour.blue);
}

QFont toQFont(const FontSpec &wanted)
{
    // Qt takes the first family of the list that the machine has when it draws.
    QFont font;
    font.setFamilies({QString::fromStdString(wanted.family), QStringLiteral("DejaVu Sans")});
    font.setPixelSize(static_cast<int>(std::lround(wanted.points * 20.0f / static_cast<float>(twipsPerPixel))));
    font.setBold(wanted.bold);
    return font;
}
