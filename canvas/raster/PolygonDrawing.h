#pragma once

// Polygons in the current port, given by their corner points.

#include "Geometry.h"

#include <vector>

// Fills the interior, closing the polygon from the last point to the first. Fewer than two
// points or an empty bounding box draw nothing.
void PaintPoly(const std::vector<Point>& points);
// Draws the edges with the pen, from the first point to the last, not closed.
void FramePoly(const std::vector<Point>& points);
