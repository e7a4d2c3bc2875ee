#include "shell/layer/Rect.h"
#include "shell/layer/qt/Toolkit.h"
#include "shell/layer/Surface.h"

#include <QImage>

#include <gtest/gtest.h>

#include <limits>

TEST(IntersectRect, OverlapNeedsTheLargerLeftBelowTheSmallerRightAndLikewiseDown)
{
    RECT out;
    EXPECT_NE(IntersectRect(out, {0, 0, 10, 10}, {9, 9, 20, 20}), 0);
    EXPECT_EQ(out, (RECT{9, 9, 10, 10}));
    EXPECT_NE(IntersectRect(out, {0, 0, 10, 10}, {2, 2, 3, 3}), 0); // one inside the other
    EXPECT_EQ(out, (RECT{2, 2, 3, 3}));
}

TEST(IntersectRect, EdgesThatOnlyTouchDoNotOverlap)
{
    RECT out{1, 2, 3, 4};
    EXPECT_EQ(IntersectRect(out, {0, 0, 10, 10}, {10, 0, 20, 10}), 0);
    EXPECT_EQ(out, RECT{});
    EXPECT_EQ(IntersectRect(out, {0, 2400, 1140, 3000}, {480, 2080, 735, 2400}), 0);
    EXPECT_EQ(IntersectRect(out, {0, 0, 10, 10}, {10, 10, 20, 20}), 0); // corners touching
}

TEST(IntersectRect, AnEmptyRectangleOverlapsNothing)
{
    RECT out;
    EXPECT_EQ(IntersectRect(out, {0, 0, 0, 0}, {-5, -5, 5, 5}), 0);
    EXPECT_EQ(IntersectRect(out, {5, 0, 5, 10}, {0, 0, 10, 10}), 0);
    EXPECT_EQ(IntersectRect(out, {8, 0, 2, 10}, {0, 0, 10, 10}), 0); // right left of left
}

namespace {

void fillSurface(Surface &surface, int width, int height, QRgb colour)
{
    QImage image(width, height, QImage::Format_ARGB32_Premultiplied);
    image.fill(colour);
    toolkit::setImage(surface, image);
}

} // namespace

TEST(BitBlt, CopiesOnlyWhatLiesInsideBothSurfaces)
{
    Surface tile, window;
    fillSurface(tile, 72, 36, 0xFF0000FFu);
    window.resize(100, 50);
    EXPECT_NE(BitBlt(&window, 90, 40, 76, 40, &tile, 0, 0, SRCCOPY), 0);
    EXPECT_EQ(toolkit::image(window).pixel(99, 49), 0xFF0000FFu);
    EXPECT_EQ(qAlpha(toolkit::image(window).pixel(89, 39)), 0);

    // The block is larger than the tile: the strips beyond it are left as they were.
    window.clear();
    BitBlt(&window, 0, 0, 76, 40, &tile, 0, 0, SRCCOPY);
    EXPECT_EQ(toolkit::image(window).pixel(71, 35), 0xFF0000FFu);
    EXPECT_EQ(qAlpha(toolkit::image(window).pixel(72, 0)), 0);
    EXPECT_EQ(qAlpha(toolkit::image(window).pixel(0, 36)), 0);
}

TEST(BitBlt, ANegativeDestinationShowsOnlyThePartInside)
{
    Surface tile, window;
    QImage image(72, 36, QImage::Format_ARGB32_Premultiplied);
    image.fill(0xFFFFFFFFu);
    image.setPixel(71, 35, 0xFFFF0000u);
    toolkit::setImage(tile, image);
    window.resize(100, 50);
    BitBlt(&window, -71, -35, 76, 40, &tile, 0, 0, SRCCOPY);
    EXPECT_EQ(toolkit::image(window).pixel(0, 0), 0xFFFF0000u);
    EXPECT_EQ(qAlpha(toolkit::image(window).pixel(1, 1)), 0);
}

TEST(BitBlt, CoordinatesAtTheEndsOfTheRangeDoNotWrap)
{
    Surface tile, window;
    fillSurface(tile, 72, 36, 0xFF00FF00u);
    window.resize(100, 50);
    const auto big = std::numeric_limits<std::int32_t>::max();
    const auto small = std::numeric_limits<std::int32_t>::min();
    EXPECT_NE(BitBlt(&window, big, big, big, big, &tile, 0, 0, SRCCOPY), 0);
    EXPECT_NE(BitBlt(&window, small, small, big, big, &tile, small, small, SRCCOPY), 0);
    EXPECT_NE(BitBlt(&window, 0, 0, 10, 10, &tile, big, big, SRCCOPY), 0);
    for (int y = 0; y < 50; ++y)
        EXPECT_EQ(qAlpha(toolkit::image(window).pixel(0, y)), 0);
    EXPECT_EQ(BitBlt(&window, 0, 0, -5, 5, &tile, 0, 0, SRCCOPY), 0);
    EXPECT_EQ(BitBlt(nullptr, 0, 0, 5, 5, &tile, 0, 0, SRCCOPY), 0);
}

TEST(BitBlt, ReportsTheChangedAreaToTheWindow)
{
    Surface tile, window;
    fillSurface(tile, 72, 36, 0xFF0000FFu);
    window.resize(100, 50);
    int reported[4] = {};
    window.setChangeHandler([&](int x, int y, int w, int h) {
        reported[0] = x, reported[1] = y, reported[2] = w, reported[3] = h;
    });
    BitBlt(&window, 50, -10, 76, 40, &tile, 0, 0, SRCCOPY);
    EXPECT_EQ(reported[0], 50);
    EXPECT_EQ(reported[1], 0);
    EXPECT_EQ(reported[2], 50);
    EXPECT_EQ(reported[3], 26);
}
