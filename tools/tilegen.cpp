// Draws the eleven 72 x 36 wall tiles and writes them as 24-bit PNG files.
// Usage: tilegen <folder>. The pictures in assets/ were made with it.
#include <QColor>
#include <QDir>
#include <QGuiApplication>
#include <QImage>

#include "walls/TileNames.h"

#include <cstdio>
#include <iterator>

namespace {

constexpr int tileWidth = 72;
constexpr int tileHeight = 36;

const QColor darkRed(0x80, 0x00, 0x00);
const QColor white(0xFF, 0xFF, 0xFF);
const QColor black(0x00, 0x00, 0x00);
const QColor blue(0x00, 0x00, 0xFF);
const QColor green(0x00, 0xFF, 0x00);
const QColor yellow(0xFF, 0xFF, 0x00);
const QColor magenta(0xFF, 0x00, 0xFF);

// Sets (x, y) and its mirror images in the other three corners.
void setCorners(QImage &tile, int x, int y, const QColor &colour)
{
    const int right = tileWidth - 1 - x;
    const int bottom = tileHeight - 1 - y;
    tile.setPixelColor(x, y, colour);
    tile.setPixelColor(right, y, colour);
    tile.setPixelColor(x, bottom, colour);
    tile.setPixelColor(right, bottom, colour);
}

void fill(QImage &tile, int left, int top, int right, int bottom, const QColor &colour)
{
    for (int y = top; y <= bottom; ++y)
        for (int x = left; x <= right; ++x)
            tile.setPixelColor(x, y, colour);
}

// The dark red frame, 4 pixels thick, with rounded outer and inner corners.
QImage framedTile(const QColor &interior)
{
    QImage tile(tileWidth, tileHeight, QImage::Format_RGB888);
    tile.fill(darkRed);
    fill(tile, 4, 4, 67, 31, interior);
    // Outer corners: black pixels from the edge, row by row (8 along the edge, 7 rows down).
    const int outer[] = {8, 5, 3, 2, 1, 1, 1};
    for (int row = 0; row < 7; ++row)
        for (int x = 0; x < outer[row]; ++x)
            setCorners(tile, x, row, black);
    // Inner corners: the frame rounds into the interior by 2 pixels, then 1.
    setCorners(tile, 4, 4, darkRed);
    setCorners(tile, 5, 4, darkRed);
    setCorners(tile, 4, 5, darkRed);
    return tile;
}

QImage splitTile(const QColor &left)
{
    QImage tile = framedTile(white);
    fill(tile, 4, 4, 33, 31, left);
    fill(tile, 34, 4, 37, 31, darkRed);
    // The left half keeps the frame's rounded inner corners.
    setCorners(tile, 4, 4, darkRed);
    setCorners(tile, 5, 4, darkRed);
    setCorners(tile, 4, 5, darkRed);
    return tile;
}

QImage checkerTile()
{
    QImage tile = framedTile(white);
    for (int y = 4; y <= 31; ++y)
        for (int x = 4; x <= 67; ++x) {
            // Square edges at x = 8, 14, 20 ... and y = 4, 10, 16, 22, 28.
            const int column = x < 8 ? 0 : (x - 8) / 6 + 1;
            const int row = (y - 4) / 6;
            tile.setPixelColor(x, y, (column + row) % 2 == 0 ? white : black);
        }
    setCorners(tile, 4, 4, darkRed);
    setCorners(tile, 5, 4, darkRed);
    setCorners(tile, 4, 5, darkRed);
    return tile;
}

QImage spikeTile()
{
    QImage tile(tileWidth, tileHeight, QImage::Format_RGB888);
    tile.fill(black);
    fill(tile, 4, 4, 67, 31, white);
    const int rounding[] = {3, 1, 1};
    for (int row = 0; row < 3; ++row)
        for (int x = 0; x < rounding[row]; ++x)
            setCorners(tile, 4 + x, 4 + row, black);
    fill(tile, 0, 16, tileWidth - 1, 19, blue);
    fill(tile, 34, 0, 37, tileHeight - 1, blue);
    return tile;
}

} // namespace

int main(int argc, char **argv)
{
    QGuiApplication app(argc, argv);
    if (argc != 2) {
        std::fprintf(stderr, "usage: tilegen <folder>\n");
        return 2;
    }
    const QDir folder(QString::fromLocal8Bit(argv[1]));
    // The pictures in the order of the game's tile kinds, whose table names their files.
    const QImage images[] = {
        framedTile(white), spikeTile(),         framedTile(blue),   framedTile(green),
        framedTile(yellow), framedTile(magenta), splitTile(blue),    splitTile(green),
        splitTile(yellow),  splitTile(magenta),  checkerTile(),
    };
    static_assert(std::size(images) == tileNames.size(), "one picture for each tile kind");
    for (std::size_t i = 0; i < tileNames.size(); ++i) {
        const std::string_view file = tileNames[i].picture;
        const QString path = folder.filePath(QString::fromLatin1(file.data(), static_cast<qsizetype>(file.size())));
        if (!images[i].save(path, "PNG")) {
            std::fprintf(stderr, "tilegen: cannot write %s\n", qPrintable(path));
            return 1;
        }
    }
    return 0;
}
