#pragma once

// What a run may do to a picture: the paint view's turtle operations and the few view services
// the interpreter needs. The paint view implements it; tests drive the interpreter with a
// recording double.

#include "CommandNumbers.h"
#include "Geometry.h"
#include "LString.h"

#include <cstdint>
#include <memory>

class TurtleView {
public:
    virtual ~TurtleView() = default;

    virtual Point turtlePoint() const = 0;
    virtual void showTurtle(bool shown) = 0;
    virtual void drawTurtle() = 0;
    virtual void eraseTurtle() = 0;
    virtual void setHeading(float degrees) = 0;
    virtual void setPenIconFlag(bool penUp) = 0;
    // Pen-down move: a brush stroke from the turtle point to p.
    virtual void lineTurtleTo(Point p, float heading) = 0;
    // Pen-up move.
    virtual void moveTurtleTo(Point p, float heading) = 0;
    // Text with its baseline starting at (h, v), in the port's font, size and style.
    virtual void writeText(const LStr255& text, std::int16_t h, std::int16_t v) = 0;
    virtual void fillAt(Point p) = 0;
    virtual void clearPicture() = 0;
    virtual void setPenSize(std::int16_t width) = 0;
    virtual void setSymmetry(std::int32_t mode) = 0;

    // The text settings of the view's port, which later text uses.
    virtual void setTextFont(std::int16_t font) = 0;
    virtual void setTextSize(std::int16_t size) = 0;
    virtual void setTextStyle(std::int16_t style) = 0;

    // The view's command handler: what it does not handle travels up the command chain.
    virtual bool obeyCommand(CommandT command, void* ioParam) = 0;
    // Redraw the whole view at the next update.
    virtual void invalidateView() = 0;
    // (0, 0, height, width).
    virtual Rect localFrame() const = 0;
    // Marks the document that owns the view as modified, if there is one.
    virtual void markDocumentModified() = 0;

    // Expires when the view is destroyed. A run dispatches events, and one of them may close the
    // picture's window; the run checks this before it touches the view again.
    std::weak_ptr<const void> lifetime() const { return mLifetime; }

private:
    std::shared_ptr<const char> mLifetime = std::make_shared<const char>('\0');
};
