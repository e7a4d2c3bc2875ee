#include "GameTest.h"
#include "shell/layer/qt/Toolkit.h"

#include "shell/FrmStart.h"
#include "shell/layer/Program.h"
#include "shell/layer/Surface.h"

#include <QDir>
#include <QtGlobal>
#include <QFile>
#include <QImage>

int scaledMs(int ms)
{
    bool isNumber = false;
    const double scale = qEnvironmentVariable("ZELLOMAR_TEST_TIME_SCALE", QStringLiteral("1")).toDouble(&isNumber);
    return isNumber && scale > 0 ? static_cast<int>(ms * scale) : ms;
}

void GameTest::SetUp()
{
    ASSERT_TRUE(m_dir.isValid());
    ASSERT_TRUE(QDir(m_dir.path()).mkpath(QStringLiteral("levels")));
    program::reset();
    program::setFolder(folder());
    program::setScreenPixels(1024, 768);
    writeLevel("");
}

void GameTest::TearDown()
{
    program::reset();
}

std::string GameTest::folder() const
{
    return m_dir.path().toStdString();
}

std::string GameTest::levelPath(int level) const
{
    return folder() + "/levels/Level" + std::to_string(level) + ".lvl";
}

void GameTest::writeLevel(std::string_view bytes, int level) const
{
    QFile file(QString::fromStdString(levelPath(level)));
    ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    ASSERT_EQ(file.write(bytes.data(), static_cast<qint64>(bytes.size())), static_cast<qint64>(bytes.size()));
}

void GameTest::writeRecords(const std::vector<Record> &records) const
{
    std::string text;
    for (const Record &record : records)
        text += std::to_string(record.column) + "\r\n" + std::to_string(record.row) + "\r\n" + record.kind + "\r\n";
    writeLevel(text);
}

FrmMain &GameTest::newGame()
{
    program::dispatch([] {
        frmStart().Show();
        frmStart().cmdNew_Click();
    });
    return frmMain();
}

FrmMain &GameTest::loadPlayWindow()
{
    FrmMain &window = frmMain();
    window.Load();
    return window;
}

void GameTest::keyDown(FrmMain &window, std::int16_t code, std::int16_t shift)
{
    program::dispatch([&] { window.Form_KeyDown(code, shift); });
}

void GameTest::keyUp(FrmMain &window, std::int16_t code, std::int16_t shift)
{
    program::dispatch([&] { window.Form_KeyUp(code, shift); });
}

long pixelAt(Surface *surface, int x, int y)
{
    const QRgb pixel = toolkit::image(*surface).pixel(x, y);
    if (qAlpha(pixel) == 0)
        return -1;
    return static_cast<long>(pixel & 0xFFFFFFu);
}
