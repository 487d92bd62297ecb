#pragma once

// A picture that takes every turtle operation and draws nothing: the turtle point follows the
// moves over a frame of the given size. Benchmarks and fuzz targets override what they watch.

#include "TurtleView.h"

class NullTurtleView : public TurtleView {
public:
    explicit NullTurtleView(Rect frame = Rect{0, 0, 768, 1024})
        : mFrame(frame), mTurtle(rectCentre(frame)) {}

    Point turtlePoint() const override { return mTurtle; }
    void showTurtle(bool) override {}
    void drawTurtle() override {}
    void eraseTurtle() override {}
    void setHeading(float) override {}
    void setPenIconFlag(bool) override {}
    void lineTurtleTo(Point p, float heading) override { moveTurtleTo(p, heading); }
    void moveTurtleTo(Point p, float) override { mTurtle = p; }
    void writeText(const LStr255&, std::int16_t, std::int16_t) override {}
    void fillAt(Point) override {}
    void clearPicture() override {}
    void setPenSize(std::int16_t) override {}
    void setSymmetry(std::int32_t) override {}
    void setTextFont(std::int16_t) override {}
    void setTextSize(std::int16_t) override {}
    void setTextStyle(std::int16_t) override {}
    bool obeyCommand(CommandT, void*) override { return true; }
    void invalidateView() override {}
    Rect localFrame() const override { return mFrame; }
    void markDocumentModified() override {}

protected:
    Rect mFrame;
    Point mTurtle;
};
