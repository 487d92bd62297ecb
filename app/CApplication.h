#pragma once

// The application object: the root of the command chain. It owns the three palettes and the
// two painting modes, opens files by their type, answers the palette, picture and window
// commands, remembers its settings between runs, and is the host every run asks for
// palettes, the front picture and new pictures.

#include "FileLocation.h"
#include "Geometry.h"
#include "LApplication.h"
#include "PaletteState.h"
#include "RunHost.h"
#include "ViewResources.h"

#include <QPointer>
#include <QString>
#include <array>
#include <cstdint>
#include <functional>
#include <map>
#include <optional>

class CDocument;
class CHideWindow;
class CPaintWindow;
class QAbstractButton;

constexpr ResIDT kToolPaletteResource = 1001;
constexpr ResIDT kColourPaletteResource = 1002;
constexpr ResIDT kAboutBoxResource = 1500;

class CApplication : public LDocApplication, public RunHost {
public:
    // Registers the view classes, adds the application's menus and builds the palettes
    // (hidden until Initialize). The settings file is settingsPath, or (found by Initialize)
    // the user's own when empty.
    explicit CApplication(const QString& settingsPath = QString());
    ~CApplication() override;

    // Registers the view classes and view resources the application builds windows from.
    static void RegisterViewClasses();

    // The front-most visible picture window's paint view, or null.
    CPaintWindow* FrontCPaintWindow() const;

    LDocument* MakeNewDocument() override;
    // Opens one file by its type: a program text in a new program window (with a new picture
    // when none is open), anything else as a picture. Failures are reported; no window stays
    // behind for them. True when a window was opened.
    bool OpenFile(const FileLocation& location);
    // The Open dialog (pictures, images, programs, all files); opens the chosen file.
    void ChooseFileToOpen();

    void Initialize() override;
    void OpenDocument(const FileLocation& location) override { OpenFile(location); }
    void ChooseDocument() override { ChooseFileToOpen(); }
    void ShowAboutBox() override;
    // Program windows with unsaved text are asked first; a Cancel anywhere stops the quit.
    bool DoQuit() override;

    bool ObeyCommand(CommandT command, void* ioParam) override;
    void FindCommandStatus(CommandT command, CommandStatus& status) override;

    PaletteState& Palettes() { return mPalettes; }
    const PaletteState& Palettes() const { return mPalettes; }
    // Palette 0 (tools), 1 (colours) or 2 (command palette); null for others.
    CHideWindow* PaletteWindow(int id) const;
    // A palette button, found by its command number.
    QAbstractButton* PaletteButton(CommandT command) const;

    bool mouseMode() const { return mMouseMode; }
    bool connectMode() const { return mConnectMode; }
    void SetMouseMode(bool on) { mMouseMode = on; }
    void SetConnectMode(bool on) { mConnectMode = on; }
    // The level every run starts at, chosen in the program windows; saved with the settings.
    std::int32_t StartingPace() const { return mStartingPace; }
    void SetStartingPace(std::int32_t level);
    const QString& SettingsPath() const { return mSettingsPath; }

    // The colour picker of command 3009: the chosen colour, or none when cancelled. The
    // default shows the platform's colour dialog.
    using ColourPicker = std::function<std::optional<RGBColour>(const RGBColour& initial)>;
    void SetColourPicker(ColourPicker picker) { mColourPicker = std::move(picker); }
    // The platform's colour dialog, the default picker.
    static std::optional<RGBColour> AskWithColourDialog(const RGBColour& initial);

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

protected:
    FileLocation AskForFileToOpen() override;

private:
    // The paint view the palette commands act on.
    CPaintWindow* paletteCommandView() const;
    bool obeyPaletteCommand(CommandT command, void* ioParam);
    bool passToPaintView(CommandT command, void* ioParam);
    void chooseColour(CPaintWindow& view);
    void buildPalettes();
    void wirePaletteButtons(CHideWindow& palette);
    void paletteButtonClicked(CommandT command);
    void showPaletteButtonValue(CommandT command, int value);
    void showPalette(int id);
    void openWebPage(int stringIndex, bool beepOnFailure);
    void exportPicture();
    void openExample(int index);

    PaletteState mPalettes;
    std::array<QPointer<CHideWindow>, 3> mPaletteWindows;
    std::map<CommandT, QPointer<QAbstractButton>> mPaletteButtons;
    bool mMouseMode = false;
    std::int32_t mStartingPace = 1;
    bool mConnectMode = true;
    std::int16_t mLanguageFile = -1;
    QString mSettingsPath;
    bool mSettingsLoaded = false;
    ColourPicker mColourPicker;
    // Set while a document command is handed to the paint view, whose chain leads back here.
    bool mForwardingToPaintView = false;
};

// The one application object while it lives.
extern CApplication* theApplication;
