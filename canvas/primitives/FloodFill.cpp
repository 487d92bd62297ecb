#include "FloodFill.h"

#include "CopyBits.h"
#include "GWorldGuards.h"
#include "Reflection.h"
#include "SeedFill.h"

void floodFill(const PaintState& state, CGWorld& canvas, Point p, Point c) {
    StGWorldDraw canvasDraw(canvas);
    if (!canvasDraw.isActive())
        return;
    const Rect bounds = canvas.getBounds();
    CGWorld mask;
    if (mask.allocate(bounds, 1) != 0)
        return;
    StGWorldDraw maskDraw(mask);
    PixMap* canvasPixels = canvas.getPixMap();
    PixMap* maskPixels = mask.getPixMap();
    GrafPort& canvasPort = *canvas.getPort();
    SetPort(canvasPort);
    canvasPort.foreColour = state.penColour;
    canvasPort.backColour = kWhite;
    for (const Point q : symmetryImages(p, c, state.symmetry)) {
        SeedCFill(*canvasPixels, *maskPixels, bounds, bounds, q.h, q.v);
        CopyBits(*maskPixels, canvasPort, bounds, bounds, kSrcOr);
    }
}
