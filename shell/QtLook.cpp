#include "QtLook.h"

#include <QFontDatabase>

#include <cmath>

QColor toQColor(const Colour &colour)
{
    return QColor(colour.red, colour.green, colour.blue);
}

QFont toQFont(const FontSpec &spec)
{
    const QString wanted = QString::fromStdString(spec.family);
    const QString family = QFontDatabase::hasFamily(wanted) ? wanted : QStringLiteral("DejaVu Sans");
    QFont font(family);
    font.setPixelSize(static_cast<int>(std::lround(spec.points * 20.0f / 15.0f)));
    font.setBold(spec.bold);
    return font;
}
