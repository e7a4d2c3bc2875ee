// The play window's walls: the wall start, the level reader and the drawing pass.
#include "FrmPics.h"
#include "TileKinds.h"

#include "play/FrmMain.h"
#include "shell/layer/Checked.h"
#include "shell/layer/Program.h"
#include "shell/layer/RuntimeError.h"
#include "shell/layer/TextInput.h"

#include <filesystem>
#include <string>

namespace {
// The twips of a pixel, in the precision of each step that divides by it.
constexpr double pixelTwips = twipsPerPixel;
constexpr float pixelTwipsSingle = twipsPerPixel;
} // namespace

void FrmMain::StartWalls()
{
    // The blank tile sizes the current-wall box, and the box sizes a wall cell.
    picCurrWall.setPicture(frmPics().picBlankWall.GetPicture());
    for (int i = 0; i <= lastWall; ++i)
        Walls(i).Alive = flag::False;
    LoadLevel();
}

void FrmMain::LoadLevel()
{
    using namespace checked;
    // The folder's bytes go into the path as they are, whatever their encoding.
    const std::filesystem::path path =
        std::filesystem::path(program::folder()) / "levels" / ("Level" + decimal(intLevel) + ".lvl");
    TextInput file(path.native());
    std::int16_t n = 0;
    while (!file.eof()) {
        const TextInput::Line column = file.readLine();
        const TextInput::Line row = file.readLine();
        const TextInput::Line kind = file.readLine();
        n = add16(n, 1, file.where(column.number));
        if (n > lastWall)
            throw RuntimeError(ErrorKind::SubscriptOutOfRange, file.where(column.number) + ": a level holds at most "
                                                                   + std::to_string(lastWall) + " walls");
        WallInfo &wall = Walls(n);

        const std::string atColumn = file.where(column.number);
        const double columnValue = toNumber(column.text, atColumn);
        const double x = real(columnValue * static_cast<double>(picCurrWall.Width()), atColumn) / pixelTwips;
        wall.X = round16(real(real(x, atColumn) - single(lblStatus.Width() / 30.0f, atColumn), atColumn), atColumn);

        const std::string atRow = file.where(row.number);
        const double rowValue = toNumber(row.text, atRow);
        const double y = real(rowValue * static_cast<double>(picCurrWall.Height()), atRow) / pixelTwips;
        wall.Y = round16(real(real(y, atRow) - single(picCurrWall.Height() / pixelTwipsSingle, atRow), atRow), atRow);

        wall.Kind = kind.text;
        wall.Alive = flag::True;
        wall.Height = round16(single(picCurrWall.Height() / pixelTwipsSingle, atRow), atRow);
        wall.Width = round16(single(picCurrWall.Width() / pixelTwipsSingle, atColumn), atColumn);

        // The same area in twips; a wall more than 2184 pixels out does not fit in 16 bits.
        RECT &area = WallRects(n);
        area.bottom = mul16(add16(wall.Y, wall.Height, atRow), twipsPerPixel, atRow);
        area.left = mul16(wall.X, twipsPerPixel, atColumn);
        area.right = mul16(add16(wall.X, wall.Width, atColumn), twipsPerPixel, atColumn);
        area.top = mul16(wall.Y, twipsPerPixel, atRow);
    }
    file.close();
    DrawWalls();
}

void FrmMain::DrawWalls()
{
    Refresh();
    for (int i = 0; i <= lastWall; ++i) {
        const WallInfo &wall = Walls(i);
        if (wall.Alive != flag::True)
            continue;
        // Only what the 72 x 36 tile holds is copied; the rest of the cell shows what lies beneath.
        BitBlt(hDC(), wall.X, wall.Y, wall.Width, wall.Height, TileFor(wall.Kind).hDC(), 0, 0, SRCCOPY);
    }
}
