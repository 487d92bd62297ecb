#include "PaintWindowPlacement.h"

#include <algorithm>

namespace {

constexpr int kScreenMargin = 8;
constexpr int kPaletteClearanceTop = 36;
constexpr int kPaletteClearanceLeft = 75;
constexpr int kMaxWidth = 1024;
constexpr int kMaxHeight = 768;

} // namespace

Rect paintWindowContentRect(const Rect& screen) {
    const int top = int(screen.top) + kScreenMargin + kPaletteClearanceTop;
    const int left = int(screen.left) + kScreenMargin + kPaletteClearanceLeft;
    int bottom = int(screen.bottom) - kScreenMargin;
    int right = int(screen.right) - kScreenMargin;
    if (right - left > kMaxWidth)
        right = left + kMaxWidth;
    if (bottom - top > kMaxHeight)
        bottom = top + kMaxHeight;
    return Rect{clampToInt16(top), clampToInt16(left), clampToInt16(bottom), clampToInt16(right)};
}
