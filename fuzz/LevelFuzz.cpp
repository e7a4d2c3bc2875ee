// Feeds arbitrary bytes to the level reader as levels/Level1.lvl. Every input
// must either load or stop with the game's run-time error: anything else (a
// crash, a hang, a sanitizer report, an exit) is a finding.
#include "play/FrmMain.h"
#include "shell/Program.h"
#include "shell/RuntimeError.h"

#include <QApplication>
#include <QDir>
#include <QTemporaryDir>

#include <cstdint>
#include <fstream>

namespace {
QApplication *application = nullptr;
QTemporaryDir *folder = nullptr;
std::string levelPath;
} // namespace

extern "C" int LLVMFuzzerInitialize(int *argc, char ***argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    application = new QApplication(*argc, *argv);
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
    std::ofstream(levelPath, std::ios::binary | std::ios::trunc)
        .write(reinterpret_cast<const char *>(data), static_cast<std::streamsize>(size));
    FrmMain &window = frmMain();
    window.Walls = {};
    window.WallRects = {};
    try {
        window.StartWalls();
    } catch (const RuntimeError &) {
        // the one acceptable way for a level to fail
    }
    return 0;
}
