#pragma once

#include "play/FrmMain.h"
#include "shell/layer/Program.h"

#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <string>
#include <string_view>

// A program of its own for each case: a fresh folder for the level files, a
// screen of 1024 x 768 pixels, and every window forgotten afterwards.
class GameTest : public ::testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;

    std::string folder() const;
    std::string levelPath(int level = 1) const;
    // Writes levels/Level<level>.lvl with exactly these bytes.
    void writeLevel(std::string_view bytes, int level = 1) const;
    // A level of whole-number records "column", "row", "kind", CR LF line ends.
    struct Record {
        int column;
        int row;
        std::string kind;
    };
    void writeRecords(const std::vector<Record> &records) const;

    // New Game, as the start window's button runs it; returns the loaded play window.
    FrmMain &newGame();
    // Loads the play window without showing it.
    FrmMain &loadPlayWindow();

    // Presses and releases keys the way the play window's handlers receive them.
    static void keyDown(FrmMain &window, std::int16_t code, std::int16_t shift = 0);
    static void keyUp(FrmMain &window, std::int16_t code, std::int16_t shift = 0);

    QTemporaryDir m_dir;
};

// A case that starts from the play window loaded on the 1024 x 768 screen with an empty level.
class PlayWindowTest : public GameTest {
protected:
    void SetUp() override
    {
        GameTest::SetUp();
        window = &loadPlayWindow();
    }

    void ticks(int count)
    {
        for (int i = 0; i < count; ++i)
            window->tmrBall_Timer();
    }

    FrmMain *window = nullptr;
};

// MS milliseconds times ZELLOMAR_TEST_TIME_SCALE (1 unless set): a deadline for a
// wait on a real display, as slow as the machine it runs on.
int scaledMs(int ms);

// The colour of one pixel of a surface, as 0xRRGGBB; transparent pixels read as -1.
long pixelAt(Surface *surface, int x, int y);
