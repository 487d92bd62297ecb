#pragma once

// A palette window: a floating tool window that lives as long as the application. Closing it
// only hides it, so the Window menu can bring it back.

#include "LWindow.h"

class CHideWindow : public LWindow {
public:
    static constexpr ClassIDT class_ID = FourCC("Pall");
    // Where the first palette's content area stands from the screen's top and right edge.
    static constexpr int kTopOffset = 60;
    static constexpr int kRightOffset = 10;

    explicit CHideWindow(LCommander* superCommander);

    // Builds the palette of view resource id (its root's class is ignored) under the super
    // commander, which owns it, and places it at the top right of the main screen.
    static CHideWindow* MakePalette(ResIDT id, LCommander* superCommander);

    // Content area 60 px below the screen's top and 10 px from its right edge.
    void PlaceAtTopRight();
    // Content area just below the other palette, at the same right edge.
    void PlaceBelow(const QWidget& above);

    void AttemptClose() override;
};
