#pragma once

// The application object: the root of the command chain. It keeps the palette selections and
// the two painting modes, answers the palette and picture commands for the front paint view,
// and is the host every run asks for palettes, the front picture and new pictures.

#include "Geometry.h"
#include "LApplication.h"
#include "PaletteState.h"
#include "RunHost.h"

#include <cstdint>
#include <functional>
#include <optional>

class CPaintWindow;

class CApplication : public LDocApplication, public RunHost {
public:
    CApplication();
    ~CApplication() override;

    // Registers the view classes and view resources the application builds windows from.
    static void RegisterViewClasses();

    // The front-most visible picture window's paint view, or null.
    CPaintWindow* FrontCPaintWindow() const;

    LDocument* MakeNewDocument() override;

    bool ObeyCommand(CommandT command, void* ioParam) override;
    void FindCommandStatus(CommandT command, CommandStatus& status) override;

    PaletteState& Palettes() { return mPalettes; }
    const PaletteState& Palettes() const { return mPalettes; }
    bool mouseMode() const { return mMouseMode; }
    bool connectMode() const { return mConnectMode; }

    // The colour picker of command 3009: the chosen colour, or none when cancelled. The
    // default shows the platform's colour dialog; a headless run keeps its colour.
    using ColourPicker = std::function<std::optional<RGBColour>(const RGBColour& initial)>;
    void SetColourPicker(ColourPicker picker) { mColourPicker = std::move(picker); }

    // RunHost
    std::int32_t SelectedPenButton() const override;
    std::int32_t SelectedColourButton() const override;
    std::int32_t SelectedSymmetryButton() const override;
    void MarkPenSize(std::int32_t button) override;
    void MarkColour(std::int32_t button) override;
    void MarkSymmetry(std::int32_t button) override;
    TurtleView* FrontPaintView() override;
    bool ObeyHostCommand(CommandT command, void* ioParam) override;
    void SetSleepTime(std::uint32_t ticks) override;

private:
    // The paint view the palette commands act on.
    CPaintWindow* paletteCommandView() const;
    bool obeyPaletteCommand(CommandT command, void* ioParam);
    bool passToPaintView(CommandT command, void* ioParam);
    void chooseColour(CPaintWindow& view);

    PaletteState mPalettes;
    bool mMouseMode = false;
    bool mConnectMode = true;
    std::int16_t mLanguageFile = -1;
    ColourPicker mColourPicker;
    // Set while a document command is handed to the paint view, whose chain leads back here.
    bool mForwardingToPaintView = false;
};

// The one application object while it lives.
extern CApplication* theApplication;
