#include "FitRect.h"

#include <algorithm>
#include <cmath>

FittedSize fittedSize(int width, int height, const Rect& into) {
    if (width <= 0 || height <= 0 || into.width() <= 0 || into.height() <= 0)
        return {};
    const float aspect = static_cast<float>(width) / static_cast<float>(height);
    const auto intoWidth = static_cast<float>(into.width());
    const auto intoHeight = static_cast<float>(into.height());
    FittedSize fitted;
    if (aspect > intoWidth / intoHeight) {
        fitted.width = into.width();
        fitted.height = static_cast<int>(std::trunc(intoWidth / aspect));
    } else {
        fitted.height = into.height();
        fitted.width = static_cast<int>(std::trunc(aspect * intoHeight));
    }
    fitted.width = std::max(fitted.width, 1);
    fitted.height = std::max(fitted.height, 1);
    return fitted;
}

void fitRect(Rect& r, const Rect& into) {
    const FittedSize fitted = fittedSize(r.width(), r.height(), into);
    r.bottom = static_cast<std::int16_t>(r.top + fitted.height);
    r.right = static_cast<std::int16_t>(r.left + fitted.width);
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
