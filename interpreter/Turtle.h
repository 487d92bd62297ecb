#pragma once

// The turtle: a position in single precision, a heading in whole degrees and a pen that is up or
// down. Moves draw through the paint view; sines and cosines come from the language's tables.

#include "Geometry.h"

#include <cstdint>

struct RunContext;

// Moves distance pixels along the heading; draws the stroke when the pen is down. A move of 0
// still hands the point to the view (a dot with the pen down).
void MoveTurtle(RunContext& context, std::int32_t distance);
// Turns by angle degrees (right is positive).
void TurnTurtle(RunContext& context, std::int32_t angle);
void SetTurtleHeading(RunContext& context, std::int32_t angle);
void SetPenUp(RunContext& context, std::uint8_t penUp);

// The position truncated toward zero, clamped to the 16-bit range of a point.
Point TurtlePoint(const RunContext& context);

// Degrees folded into 0..359.
std::int32_t NormalisedHeading(std::int64_t degrees);
