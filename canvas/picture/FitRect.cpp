#include "FitRect.h"

#include <cmath>

void fitRect(Rect& r, const Rect& into) {
    const int width = r.width();
    const int height = r.height();
    if (width <= 0 || height <= 0 || into.width() <= 0 || into.height() <= 0) {
        r.bottom = r.top;
        r.right = r.left;
        return;
    }
    const float aspect = static_cast<float>(width) / static_cast<float>(height);
    const auto intoWidth = static_cast<float>(into.width());
    const auto intoHeight = static_cast<float>(into.height());
    int newWidth = 0;
    int newHeight = 0;
    if (aspect > intoWidth / intoHeight) {
        newWidth = into.width();
        newHeight = static_cast<int>(std::trunc(intoWidth / aspect));
    } else {
        newHeight = into.height();
        newWidth = static_cast<int>(std::trunc(aspect * intoHeight));
    }
    if (newWidth == 0)
        newWidth = 1;
    if (newHeight == 0)
        newHeight = 1;
    r.bottom = static_cast<std::int16_t>(r.top + newHeight);
    r.right = static_cast<std::int16_t>(r.left + newWidth);
}

void centreRect(Rect& r, const Rect& into) {
    const Point target = rectCentre(into);
    const Point current = rectCentre(r);
    const int dh = target.h - current.h;
    const int dv = target.v - current.v;
    r.top = static_cast<std::int16_t>(r.top + dv);
    r.bottom = static_cast<std::int16_t>(r.bottom + dv);
    r.left = static_cast<std::int16_t>(r.left + dh);
    r.right = static_cast<std::int16_t>(r.right + dh);
}
