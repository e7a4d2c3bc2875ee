#include "support/GameTest.h"
#include "shell/layer/qt/Toolkit.h"

#include "shell/layer/RuntimeError.h"
#include "walls/TileNames.h"

#include <QFile>
#include <QWidget>

#include <filesystem>

#include <optional>
#include <set>
#include <utility>

namespace {

class LevelTest : public GameTest {
protected:
    // Loads the play window and returns the run-time error it stopped with, if any.
    std::optional<RuntimeError> loadError()
    {
        try {
            loadPlayWindow();
        } catch (const RuntimeError &error) {
            return error;
        }
        return std::nullopt;
    }

    void expectError(ErrorKind kind, const std::string &where)
    {
        const auto error = loadError();
        ASSERT_TRUE(error.has_value()) << "the level loaded";
        EXPECT_EQ(error->kind(), kind) << error->message();
        EXPECT_NE(error->message().find(where), std::string::npos) << error->message();
    }

    int standing()
    {
        int count = 0;
        for (int i = 0; i <= FrmMain::lastWall; ++i)
            count += frmMain().Walls(i).Alive == flag::True;
        return count;
    }
};

std::string records(int count)
{
    std::string text;
    for (int i = 0; i < count; ++i)
        text += std::to_string(i % 6 + 1) + "\r\n" + std::to_string(i / 6 + 1) + "\r\nWall01\r\n";
    return text;
}

} // namespace

TEST_F(LevelTest, ARecordBecomesAWallInPixelsAndARectangleInTwips)
{
    writeLevel("3\r\n1\r\nWall01\r\n");
    FrmMain &window = loadPlayWindow();
    const WallInfo &wall = window.Walls(1);
    EXPECT_EQ(wall.X, 152);
    EXPECT_EQ(wall.Y, 0);
    EXPECT_EQ(wall.Width, 76);
    EXPECT_EQ(wall.Height, 40);
    EXPECT_EQ(wall.Alive, flag::True);
    EXPECT_EQ(wall.Kind, "Wall01");
    EXPECT_EQ(window.WallRects(1), (RECT{2280, 0, 3420, 600}));
    EXPECT_EQ(standing(), 1); // index 0 and 2 on stay gone
    EXPECT_EQ(window.WallRects(0), RECT{});
}

TEST_F(LevelTest, ColumnsAndRowsLandOnTheCellGrid)
{
    writeLevel("1\r\n1\r\nA\r\n2\r\n2\r\nB\r\n0\r\n0\r\nC\r\n1.5\r\n3\r\nD\r\n 3 \r\n-1\r\nE\r\n");
    FrmMain &window = loadPlayWindow();
    EXPECT_EQ(window.Walls(1).X, 0); // -0.5 goes to the even 0
    EXPECT_EQ(window.Walls(1).Y, 0);
    EXPECT_EQ(window.Walls(2).X, 76);
    EXPECT_EQ(window.Walls(2).Y, 40);
    EXPECT_EQ(window.Walls(3).X, -76);
    EXPECT_EQ(window.Walls(3).Y, -40);
    EXPECT_EQ(window.Walls(4).X, 38); // 37.5 goes to the even 38
    EXPECT_EQ(window.Walls(5).X, 152);
    EXPECT_EQ(window.Walls(5).Y, -80);
    EXPECT_EQ(window.WallRects(3), (RECT{-1140, -600, 0, 0}));
}

TEST_F(LevelTest, TheKindLineIsKeptWholeWithItsBlanks)
{
    writeLevel("1\r\n1\r\nWall01 \r\n2\r\n1\r\n\r\n");
    FrmMain &window = loadPlayWindow();
    EXPECT_EQ(window.Walls(1).Kind, "Wall01 ");
    EXPECT_EQ(window.Walls(2).Kind, "");
    EXPECT_EQ(window.Walls(2).Alive, flag::True);
}

TEST_F(LevelTest, AnEmptyFileGivesNoWalls)
{
    writeLevel("");
    loadPlayWindow();
    EXPECT_EQ(standing(), 0);
}

TEST_F(LevelTest, EightyFourRecordsFillTheTable)
{
    writeLevel(records(FrmMain::lastWall));
    FrmMain &window = loadPlayWindow();
    EXPECT_EQ(standing(), FrmMain::lastWall);
    EXPECT_EQ(window.Walls(0).Alive, flag::False);
    EXPECT_EQ(window.Walls(FrmMain::lastWall).Alive, flag::True);
}

TEST_F(LevelTest, AnEightyFifthRecordIsASubscriptErrorAfterTheFirst84AreStored)
{
    writeLevel(records(85));
    expectError(ErrorKind::SubscriptOutOfRange, "line 253 of " + levelPath());
    EXPECT_EQ(standing(), FrmMain::lastWall);
}

TEST_F(LevelTest, LineEndsOfEveryKindRead)
{
    for (const char *text : {"3\r\n1\r\nWall01", "3\n1\nWall01\n", "3\r1\rWall01\r", "3\n1\r\nWall01\r"}) {
        program::reset();
        program::setFolder(folder());
        writeLevel(text);
        FrmMain &window = loadPlayWindow();
        EXPECT_EQ(window.Walls(1).X, 152) << text;
        EXPECT_EQ(window.Walls(1).Kind, "Wall01");
        EXPECT_EQ(standing(), 1);
    }
}

TEST_F(LevelTest, AFileEndingInsideARecordIsAnEndOfFileError)
{
    writeLevel("3\r\n1\r\nWall01\r\n4\r\n");
    expectError(ErrorKind::InputPastEndOfFile, "line 5 of " + levelPath());
    EXPECT_EQ(frmMain().Walls(1).Alive, flag::True); // stored before the error
    writeLevel("3\r\n1\r\nWall01\r\n4\r\n1");
    program::reset();
    program::setFolder(folder());
    expectError(ErrorKind::InputPastEndOfFile, "line 6 of ");
}

TEST_F(LevelTest, AnEmptyLineAfterTheLastRecordIsAnEndOfFileError)
{
    writeLevel("3\r\n1\r\nWall01\r\n\r\n");
    expectError(ErrorKind::InputPastEndOfFile, "line 5 of ");
}

TEST_F(LevelTest, ANumberLineThatIsNoNumberIsATypeMismatchNamingItsLine)
{
    writeLevel("3\r\n1\r\nWall01\r\nabc\r\n1\r\nWall02\r\n");
    expectError(ErrorKind::TypeMismatch, "line 4 of " + levelPath() + ": \"abc\" is not a number");
    writeLevel("3\r\n\r\nWall01\r\n");
    program::reset();
    program::setFolder(folder());
    expectError(ErrorKind::TypeMismatch, "line 2 of ");
}

TEST_F(LevelTest, AFailedReadIsADeviceErrorNotTheEndOfTheFile)
{
    QFile::remove(QString::fromStdString(levelPath()));
    std::filesystem::create_symlink("/proc/self/mem", levelPath()); // reading at offset 0 fails with EIO
    expectError(ErrorKind::DeviceIO, "line 1 of " + levelPath() + ": Input/output error");
}

TEST_F(LevelTest, TheOffendingLineIsQuotedWithItsControlAndNonUtf8BytesEscaped)
{
    const struct {
        std::string line;
        std::string quoted;
    } cases[] = {
        {"\x1b[31m", R"("\x1b[31m")"},
        {std::string("3\0" "1", 3), R"("3\x001")"},
        {"caf\xe9 caf\xc3\xa9", "\"caf\\xe9 caf\xc3\xa9\""},
        {"\\x41", R"("\\x41")"},
    };
    for (const auto &c : cases) {
        program::reset();
        program::setFolder(folder());
        writeLevel(c.line + "\r\n1\r\nWall01\r\n");
        expectError(ErrorKind::TypeMismatch, "line 1 of " + levelPath() + ": " + c.quoted + " is not a number");
    }
}

TEST_F(LevelTest, AMissingFileOrFolderIsNamed)
{
    QFile::remove(QString::fromStdString(levelPath()));
    expectError(ErrorKind::FileNotFound, levelPath());
    program::reset();
    program::setFolder(folder() + "/elsewhere");
    expectError(ErrorKind::PathNotFound, "elsewhere/levels");
}

TEST_F(LevelTest, AWallReachingPast2184PixelsOverflows)
{
    writeLevel("28\r\n54\r\nWall01\r\n");
    FrmMain &window = loadPlayWindow();
    EXPECT_EQ(window.WallRects(1), (RECT{30780, 31800, 31920, 32400}));

    program::reset();
    program::setFolder(folder());
    writeLevel("1\r\n1\r\nA\r\n29\r\n1\r\nB\r\n");
    expectError(ErrorKind::Overflow, "line 4 of ");
    EXPECT_EQ(frmMain().Walls(1).Alive, flag::True);
    EXPECT_EQ(frmMain().WallRects(2).right, 0); // not stored

    program::reset();
    program::setFolder(folder());
    writeLevel("1\r\n55\r\nA\r\n");
    expectError(ErrorKind::Overflow, "line 2 of ");
    EXPECT_EQ(frmMain().WallRects(1).bottom, 0);
}

TEST_F(LevelTest, HugeNumbersOverflowInsteadOfWrapping)
{
    writeLevel("1e300\r\n1\r\nA\r\n");
    expectError(ErrorKind::Overflow, "line 1 of ");
    program::reset();
    program::setFolder(folder());
    writeLevel("1\r\n1e306\r\nA\r\n"); // 1e306 * 600 is past the range of a double
    expectError(ErrorKind::FloatingPoint, "line 2 of ");
    program::reset();
    program::setFolder(folder());
    writeLevel("1\r\n1e999\r\nA\r\n");
    expectError(ErrorKind::Overflow, "line 2 of ");
}

TEST_F(LevelTest, NothingIsDrawnWhenTheLevelFails)
{
    writeLevel("3\r\n1\r\nWall01\r\nx\r\n");
    ASSERT_TRUE(loadError().has_value());
    EXPECT_EQ(pixelAt(frmMain().hDC(), 160, 10), -1);
}

TEST_F(LevelTest, TheShippedLevelStaysInsideThePlayFieldOnEveryScreenWithEveryTileKindAndAClearStart)
{
    QFile shipped(QStringLiteral(ZELLOMAR_SOURCE_DIR "/levels/Level1.lvl"));
    ASSERT_TRUE(shipped.open(QIODevice::ReadOnly));
    const QByteArray bytes = shipped.readAll();
    writeLevel(bytes.toStdString());
    // The smallest screen the game plays on, and the usual one.
    for (const auto &[wide, high] : {std::pair{800, 600}, std::pair{1024, 768}}) {
        program::reset();
        program::setFolder(folder());
        program::setScreenPixels(wide, high);
        FrmMain &window = loadPlayWindow();
        const int panelLeft = twipsToPixels(window.lblStatus.Left());
        const int fieldHeight = toolkit::widget(window)->height();
        std::set<std::string> kinds;
        for (int i = 1; i <= FrmMain::lastWall; ++i) {
            const WallInfo &wall = window.Walls(i);
            if (wall.Alive != flag::True)
                continue;
            kinds.insert(wall.Kind);
            EXPECT_GE(wall.X, 0);
            EXPECT_GE(wall.Y, 0);
            EXPECT_LE(wall.X + wall.Width, panelLeft) << "wall " << i << " reaches the panel on " << wide;
            EXPECT_LE(wall.Y + wall.Height, fieldHeight) << "wall " << i << " lies below the field on " << high;
            EXPECT_FALSE(wall.X == 0 && wall.Y == 80) << "the ball's start cell is taken";
        }
        std::set<std::string> everyKind;
        for (const TileName &tile : tileNames)
            everyKind.emplace(tile.kind);
        EXPECT_EQ(kinds, everyKind);
    }
    EXPECT_EQ(bytes.count("\r\n"), bytes.count("\n")); // CR LF line ends throughout
}
