// Micro-benchmarks of the game's hot paths, on Qt's offscreen platform.
#include "play/FrmMain.h"
#include "shell/FrmStart.h"
#include "shell/layer/Program.h"
#include "shell/layer/Rect.h"
#include "shell/layer/qt/QtBackend.h"

#include <QApplication>
#include <QDir>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

#include <fstream>
#include <string>

namespace {

QTemporaryDir *folder = nullptr;

// Writes a level of `count` walls in columns 3 to 6, out of the ball's way in column 1.
void writeLevel(int count)
{
    std::ofstream file(folder->filePath(QStringLiteral("levels/Level1.lvl")).toStdString(), std::ios::binary);
    for (int i = 0; i < count; ++i)
        file << (3 + i % 4) << "\r\n" << (1 + i / 4) << "\r\n" << (i % 2 ? "Wall01" : "FullWall") << "\r\n";
}

// A fresh program with the play window open on a 1024 x 768 screen.
FrmMain &openPlayWindow(int walls)
{
    program::reset();
    program::setFolder(folder->path().toStdString());
    program::setScreenPixels(1024, 768);
    writeLevel(walls);
    program::dispatch([] {
        frmStart().Show();
        frmStart().cmdNew_Click();
    });
    return frmMain();
}

void BallTickNoHit(benchmark::State &state)
{
    FrmMain &window = openPlayWindow(FrmMain::lastWall);
    for (auto _ : state)
        window.tmrBall_Timer();
    if (window.refreshCount() != 1)
        state.SkipWithError("a wall was hit");
}

void BallTickWithRemoval(benchmark::State &state)
{
    FrmMain &window = openPlayWindow(FrmMain::lastWall);
    const int target = 1; // column 3, row 1
    for (auto _ : state) {
        state.PauseTiming();
        window.Walls(target).Alive = flag::True;
        window.shpBall.setLeft(2400);
        window.shpBall.setTop(100);
        window.intBallStep = 100;
        state.ResumeTiming();
        window.tmrBall_Timer(); // removes the wall: a full drawing pass over 83 standing walls
    }
}

void LoadLevel84(benchmark::State &state)
{
    FrmMain &window = openPlayWindow(FrmMain::lastWall);
    for (auto _ : state)
        window.StartWalls();
}

void RectangleTest(benchmark::State &state)
{
    RECT out;
    RECT wall{0, 2400, 1140, 3000};
    RECT ball{480, 2180, 735, 2435};
    for (auto _ : state) {
        benchmark::DoNotOptimize(IntersectRect(out, wall, ball));
        benchmark::ClobberMemory();
    }
}

} // namespace

BENCHMARK(BallTickNoHit);
BENCHMARK(BallTickWithRemoval);
BENCHMARK(LoadLevel84)->Unit(benchmark::kMicrosecond);
BENCHMARK(RectangleTest);

int main(int argc, char **argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    QtBackend::install();
    folder = new QTemporaryDir;
    QDir(folder->path()).mkpath(QStringLiteral("levels"));
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    program::reset();
    delete folder;
    return 0;
}
