#include "Turtle.h"

#include "LanguageTables.h"
#include "RunContext.h"
#include "TurtleClip.h"
#include "TurtleView.h"

#include <cmath>

namespace {

// Both truncated ends within this range: the view gets them as they are.
constexpr float kExactRange = 16000.0f;

bool withinExactRange(float x, float y) {
    return std::fabs(x) < kExactRange && std::fabs(y) < kExactRange;
}

void moveOrLine(RunContext& context, TurtleView& view, Point p, bool draw) {
    const auto heading = static_cast<float>(context.heading);
    if (draw)
        view.lineTurtleTo(p, heading);
    else
        view.moveTurtleTo(p, heading);
}

// The stroke of a move from (fromX, fromY) to the context's position.
void showMove(RunContext& context, float fromX, float fromY) {
    TurtleView& view = *context.paintView;
    const bool draw = context.penUp == 0;
    if (context.viewAtTurtle && withinExactRange(fromX, fromY) &&
        withinExactRange(context.x, context.y)) {
        moveOrLine(context, view, TurtlePoint(context), draw);
        return;
    }
    // Far out: only the part of the stroke that can reach the picture is drawn, and the view's
    // turtle may be left at another point than the turtle's own.
    const ClippedMove move =
        ClipMoveToPicture(view.localFrame(), fromX, fromY, context.x, context.y);
    if (!draw || !move.visible) {
        moveOrLine(context, view, TurtlePoint(context), false);
        context.viewAtTurtle = FitsPoint(context.x, context.y);
        return;
    }
    if (move.startsOutside || !context.viewAtTurtle)
        moveOrLine(context, view, move.entry, false);
    moveOrLine(context, view, move.exit, true);
    context.viewAtTurtle = !move.endsOutside && FitsPoint(context.x, context.y);
}

} // namespace

std::int32_t NormalisedHeading(std::int64_t degrees) {
    // Most headings are normal already, or one turn off after a turn: no division for those.
    if (degrees >= 0 && degrees < 360)
        return static_cast<std::int32_t>(degrees);
    if (degrees >= 360 && degrees < 720)
        return static_cast<std::int32_t>(degrees - 360);
    const auto folded = static_cast<std::int32_t>(degrees % 360);
    return folded < 0 ? folded + 360 : folded;
}

void MoveTurtle(RunContext& context, std::int32_t distance) {
    const float fromX = context.x;
    const float fromY = context.y;
    if (distance != 0) {
        context.heading = NormalisedHeading(context.heading);
        const auto d = static_cast<float>(distance);
        context.x = context.x + d * SineTable()[context.heading];
        context.y = context.y - d * CosineTable()[context.heading];
    }
    if (context.paintView)
        showMove(context, fromX, fromY);
}

void TurnTurtle(RunContext& context, std::int32_t angle) {
    SetTurtleHeading(context, NormalisedHeading(std::int64_t{context.heading} + angle));
}

void SetTurtleHeading(RunContext& context, std::int32_t angle) {
    context.heading = NormalisedHeading(angle);
    if (context.paintView)
        context.paintView->setHeading(static_cast<float>(context.heading));
}

void SetPenUp(RunContext& context, std::uint8_t penUp) {
    context.penUp = penUp;
    if (context.paintView)
        context.paintView->setPenIconFlag(penUp != 0);
}

Point TurtlePoint(const RunContext& context) {
    return Point::at(ClampedCoordinate(context.x), ClampedCoordinate(context.y));
}
