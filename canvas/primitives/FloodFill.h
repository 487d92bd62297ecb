#pragma once

// The paint bucket, on the canvas only, repeated for every symmetry image.

#include "CGWorld.h"
#include "Geometry.h"
#include "PaintState.h"

// Fills the same-coloured area around each image of p (around c) with the pen colour. Each
// image sees the paint of the images before it. One mask serves all images; when it cannot
// be made, nothing changes.
void floodFill(const PaintState& state, CGWorld& canvas, Point p, Point c);
