// Feeds arbitrary bytes to the level reader as levels/Level1.lvl. Every input
// must either load or stop with the game's run-time error: anything else (a
// crash, a hang, a sanitizer report, an exit) is a finding. A level that loads
// must also give the wall table that the file's records call for, worked out
// here on their own from the lines and the C library's strtod.
#include "play/FrmMain.h"
#include "shell/layer/Program.h"
#include "shell/layer/RuntimeError.h"
#include "shell/layer/qt/QtBackend.h"

#include <QApplication>
#include <QDir>
#include <QTemporaryDir>

#include <locale.h>

#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <string>
#include <vector>

namespace {
QApplication *application = nullptr;
QTemporaryDir *folder = nullptr;
std::string levelPath;

[[noreturn]] void finding(const std::string &what, int index)
{
    std::fprintf(stderr, "wall table: %s at index %d\n", what.c_str(), index);
    std::abort();
}

// The lines of the file: CR, LF or CR LF end a line; the last may lack its end.
std::vector<std::string> linesOf(const std::string &bytes)
{
    std::vector<std::string> lines;
    std::string line;
    for (std::size_t i = 0; i < bytes.size(); ++i) {
        const char c = bytes[i];
        if (c != '\r' && c != '\n') {
            line += c;
            continue;
        }
        if (c == '\r' && i + 1 < bytes.size() && bytes[i + 1] == '\n')
            ++i;
        lines.push_back(line);
        line.clear();
    }
    if (!line.empty())
        lines.push_back(line);
    return lines;
}

double number(const std::string &text)
{
    static const locale_t c = newlocale(LC_ALL_MASK, "C", locale_t{});
    return strtod_l(text.c_str(), nullptr, c);
}

constexpr double pixelTwips = twipsPerPixel;

// A cell is 76 x 40 pixels: the blank tile's 72 x 36 and its border, 1140 x 600 twips.
void checkTable(const FrmMain &window, const std::string &bytes)
{
    const std::vector<std::string> lines = linesOf(bytes);
    if (lines.size() % 3 != 0 || static_cast<int>(lines.size() / 3) > FrmMain::lastWall)
        finding("a level of " + std::to_string(lines.size()) + " lines loaded", 0);
    const int count = static_cast<int>(lines.size() / 3);
    for (int i = 0; i <= FrmMain::lastWall; ++i) {
        const WallInfo &wall = window.Walls(i);
        const RECT &area = window.WallRects(i);
        if (i == 0 || i > count) {
            if (wall.Alive != flag::False || area != RECT{})
                finding("an entry that no record fills", i);
            continue;
        }
        const std::string *record = &lines[static_cast<std::size_t>(i - 1) * 3];
        const double x = std::nearbyint(number(record[0]) * 1140.0 / pixelTwips - 2295.0 / 30.0);
        const double y = std::nearbyint(number(record[1]) * 600.0 / pixelTwips - 600.0 / pixelTwips);
        if (wall.X != x || wall.Y != y || wall.Width != 76 || wall.Height != 40)
            finding("X " + std::to_string(wall.X) + " Y " + std::to_string(wall.Y) + " for \"" + record[0]
                        + "\", \"" + record[1] + "\"",
                    i);
        if (wall.Alive != flag::True || wall.Kind != record[2])
            finding("the kind or the flag", i);
        if (area != RECT{wall.X * twipsPerPixel, wall.Y * twipsPerPixel, (wall.X + 76) * twipsPerPixel, (wall.Y + 40) * twipsPerPixel})
            finding("the rectangle", i);
    }
}

} // namespace

extern "C" int LLVMFuzzerInitialize(int *argc, char ***argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    qputenv("LC_ALL", "C"); // a point is the decimal separator, as for strtod
    application = new QApplication(*argc, *argv);
    QtBackend::install();
    folder = new QTemporaryDir;
    QDir(folder->path()).mkpath(QStringLiteral("levels"));
    levelPath = folder->filePath(QStringLiteral("levels/Level1.lvl")).toStdString();
    std::ofstream(levelPath, std::ios::binary).flush();
    program::setFolder(folder->path().toStdString());
    program::setScreenPixels(1024, 768);
    frmMain().Load(); // the play window, set up once with an empty level
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    const std::string bytes(reinterpret_cast<const char *>(data), size);
    std::ofstream(levelPath, std::ios::binary | std::ios::trunc) << bytes;
    FrmMain &window = frmMain();
    window.Walls = {};
    window.WallRects = {};
    try {
        window.StartWalls();
    } catch (const RuntimeError &) {
        return 0; // the one acceptable way for a level to fail
    }
    checkTable(window, bytes);
    return 0;
}
