#include "Rect.h"

#include <algorithm>

int IntersectRect(RECT &dst, const RECT &a, const RECT &b)
{
    const RECT overlap{std::max(a.left, b.left), std::max(a.top, b.top),
                       std::min(a.right, b.right), std::min(a.bottom, b.bottom)};
    if (overlap.left < overlap.right && overlap.top < overlap.bottom) {
        dst = overlap;
        return 1;
    }
    dst = RECT{};
    return 0;
}
