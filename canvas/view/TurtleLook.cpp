#include "TurtleLook.h"

#include "GWorldGuards.h"
#include "LanguageTables.h"
#include "PenDrawing.h"
#include "PolygonDrawing.h"

#include <QPainter>
#include <QString>
#include <algorithm>
#include <array>
#include <cmath>
#include <optional>

namespace {

constexpr int kBackLength = 20;
constexpr int kSideLength = 12;
constexpr int kBackTurn = 160;
constexpr int kSideTurn = 110;
constexpr int kIconSize = 32;
constexpr int kIconCount = 10;

int wholeDegrees(int degrees) {
    const int d = degrees % 360;
    return d < 0 ? d + 360 : d;
}

std::int16_t wrap16(float value) {
    // Truncate toward zero, then keep 16 bits as the point type does.
    const auto whole = static_cast<std::int64_t>(std::clamp(value, -2.0e9f, 2.0e9f));
    return static_cast<std::int16_t>(static_cast<std::uint16_t>(static_cast<std::uint64_t>(whole)));
}

Point stepFrom(Point from, int degrees, int length) {
    const int a = wholeDegrees(degrees);
    const float h = float(from.h) + float(length) * SineTable()[a];
    const float v = float(from.v) - float(length) * CosineTable()[a];
    return Point{wrap16(v), wrap16(h)};
}

} // namespace

TurtleShape turtleShape(Point at, float heading) {
    const float clamped = std::isfinite(heading) ? std::clamp(heading, -1.0e6f, 1.0e6f) : 0.0f;
    const int a = wholeDegrees(static_cast<int>(clamped + float(kBackTurn)));
    TurtleShape shape;
    shape.tip = at;
    shape.back = stepFrom(at, a, kBackLength);
    shape.side = stepFrom(shape.back, a + kSideTurn, kSideLength);
    return shape;
}

Rect turtleIconRect(Point at) {
    return Rect{clampToInt16(at.v - kIconSize), at.h, at.v, clampToInt16(at.h + kIconSize)};
}

const QImage& turtleIcon(std::int32_t colourCommand) {
    // Loaded on first use and kept for the life of the process.
    static std::array<std::optional<QImage>, kIconCount> icons;
    const int k = std::clamp(colourCommand - 3000, 0, kIconCount - 1);
    auto& slot = icons[std::size_t(k)];
    if (!slot)
        slot = QImage(QStringLiteral(":/turtlescope/icons/%1.png").arg(5000 + k));
    return *slot;
}

QRect turtleExtent(const TurtleShape& shape, bool withIcon) {
    const int left = std::min({shape.tip.h, shape.back.h, shape.side.h});
    const int right = std::max({shape.tip.h, shape.back.h, shape.side.h});
    const int top = std::min({shape.tip.v, shape.back.v, shape.side.v});
    const int bottom = std::max({shape.tip.v, shape.back.v, shape.side.v});
    // The frame's pen hangs one pixel right of and below each corner.
    QRect extent(QPoint(left, top), QPoint(right + 1, bottom + 1));
    if (withIcon) {
        const Rect icon = turtleIconRect(shape.tip);
        extent |= QRect(icon.left, icon.top, icon.width(), icon.height());
    }
    return extent;
}

void drawTurtleLook(GrafPort& port, const TurtleShape& shape, const RGBColour& penColour,
                    bool withIcon, std::int32_t colourCommand) {
    StGWorldRestorer restorer;
    SetPort(port);
    const PenColourState saved = capturePenColourState(port);
    const std::vector<Point> corners{shape.tip, shape.back, shape.side};
    RGBForeColor(penColour);
    PaintPoly(corners);
    RGBForeColor(kBlack);
    PenSize(1, 1);
    FramePoly({shape.tip, shape.back, shape.side, shape.tip});
    restorePenColourState(port, saved);

    if (!withIcon || port.pixMap == nullptr)
        return;
    const QImage& icon = turtleIcon(colourCommand);
    if (icon.isNull())
        return;
    const Rect r = turtleIconRect(shape.tip);
    const Rect& b = port.pixMap->bounds;
    QPainter painter(&port.pixMap->image);
    painter.drawImage(QRect(r.left - b.left, r.top - b.top, r.width(), r.height()), icon);
}
