#pragma once

// What a run needs of the application: the palettes, the front picture, the new-picture
// command and the event loop's sleep time. The application object implements it and registers
// itself for its lifetime; tests register a double.

#include "CommandNumbers.h"

#include <cstdint>
#include <memory>

class TurtleView;

class RunHost {
public:
    virtual ~RunHost() = default;

    virtual std::int32_t SelectedPenButton() const = 0;
    virtual std::int32_t SelectedColourButton() const = 0;
    virtual std::int32_t SelectedSymmetryButton() const = 0;
    virtual void MarkPenSize(std::int32_t button) = 0;
    virtual void MarkColour(std::int32_t button) = 0;
    virtual void MarkSymmetry(std::int32_t button) = 0;

    // The front-most picture's paint view, or null.
    virtual TurtleView* FrontPaintView() = 0;
    // Carries out an application command (command 2 makes a new picture).
    virtual bool ObeyHostCommand(CommandT command, void* ioParam) = 0;
    virtual void SetSleepTime(std::uint32_t ticks) = 0;

    // The paint view of the run in progress, or null. The commands a run sends (colours, clear)
    // act on it even when another picture has come to the front in the meantime, which on this
    // desktop can happen without a press.
    TurtleView* RunPaintView() const;
    void SetRunPaintView(TurtleView* view);

    // The registered host, or null (then the palette defaults apply and nothing is marked).
    static RunHost* Current();
    static void SetCurrent(RunHost* host);

private:
    TurtleView* mRunView = nullptr;
    std::weak_ptr<const void> mRunViewLifetime;
};
