#pragma once

// The pointer over the paint view: one cursor per brush size, and the paint bucket.

#include <QCursor>
#include <cstdint>

constexpr std::int16_t kFillCursorID = 133;

// The cursor resource ID for a pen width, or the fill cursor in fill mode.
std::int16_t paintCursorID(std::int16_t penWidth, bool fillMode);

// The cursor image of that ID from the application's resources; the arrow when it is missing.
QCursor paintCursor(std::int16_t cursorID);
