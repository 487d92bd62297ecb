#include "CApplication.h"

#include "CDocument.h"
#include "CPaintWindow.h"
#include "LWindow.h"
#include "ViewResources.h"

#include <QColorDialog>
#include <QGuiApplication>

CApplication* theApplication = nullptr;

namespace {

constexpr CommandT cmd_ConnectMode = 508;
constexpr CommandT cmd_MouseMode = 700;

PaletteSelection paletteSelectionOfApplication() {
    PaletteSelection selection;
    if (theApplication == nullptr)
        return selection;
    const PaletteState& palettes = theApplication->Palettes();
    selection.penWidth = palettes.PalettePenWidth();
    selection.symmetry = palettes.PaletteSymmetry();
    const PaletteColourChoice colour = palettes.PaletteColour();
    selection.colour = colour.colour;
    selection.colourCycling = colour.cycling;
    return selection;
}

PaintingModes paintingModesOfApplication() {
    PaintingModes modes;
    if (theApplication != nullptr) {
        modes.connectMode = theApplication->connectMode();
        modes.mouseMode = theApplication->mouseMode();
    }
    return modes;
}

RGBColour fromQColor(const QColor& colour) {
    const QRgba64 wide = colour.rgba64();
    return RGBColour{wide.red(), wide.green(), wide.blue()};
}

QColor toQColor(const RGBColour& colour) {
    return QColor::fromRgba64(colour.red, colour.green, colour.blue);
}

std::optional<RGBColour> askWithColourDialog(const RGBColour& initial) {
    const QColor chosen = QColorDialog::getColor(toQColor(initial), nullptr, QString());
    if (!chosen.isValid())
        return std::nullopt;
    return fromQColor(chosen);
}

// Marks a command as on its way to the paint view until it returns, exceptions included.
class StForwarding {
public:
    explicit StForwarding(bool& flag) : mFlag(flag) { mFlag = true; }
    ~StForwarding() { mFlag = false; }
    StForwarding(const StForwarding&) = delete;
    StForwarding& operator=(const StForwarding&) = delete;

private:
    bool& mFlag;
};

bool isDocumentCommand(CommandT command) {
    return (command >= cmd_Close && command <= cmd_Print) || command == cmd_Clear;
}

bool isPaletteCommand(CommandT command) {
    return (command >= cmd_PenWidth2 && command <= cmd_PenWidth32) || command == cmd_FillTool ||
           (command >= cmd_ColourBlack && command <= cmd_ColourPicker) ||
           (command >= cmd_Symmetry1 && command <= cmd_ClearPicture);
}

} // namespace

CApplication::CApplication() {
    theApplication = this;
    RunHost::SetCurrent(this);
    RegisterViewClasses();
    CPaintWindow::SetPaletteSource(&paletteSelectionOfApplication);
    CPaintWindow::SetModesSource(&paintingModesOfApplication);
    mColourPicker = &askWithColourDialog;
}

CApplication::~CApplication() {
    CPaintWindow::SetPaletteSource(nullptr);
    CPaintWindow::SetModesSource(nullptr);
    if (RunHost::Current() == this)
        RunHost::SetCurrent(nullptr);
    theApplication = nullptr;
}

void CApplication::RegisterViewClasses() {
    RegisterCommanderViewClass<CPaintWindow>(FourCC("Pict"));
    RegisterWindowClass<LWindow>(LWindow::class_ID);
    RegisterDocumentViews();
}

CPaintWindow* CApplication::FrontCPaintWindow() const {
    for (LWindow* window : LWindow::WindowsInActivationOrder()) {
        if (!window->isVisible() || window->GetLayer() != WindowLayer::Regular)
            continue;
        if (auto* view =
                dynamic_cast<CPaintWindow*>(window->FindPaneByID(CPaintWindow::kPaintPaneID)))
            return view;
    }
    return nullptr;
}

LDocument* CApplication::MakeNewDocument() {
    auto document = std::make_unique<CDocument>(this);
    CDocument* made = document.get();
    AdoptSubCommander(std::move(document));
    return made;
}

bool CApplication::ObeyCommand(CommandT command, void* ioParam) {
    if (isDocumentCommand(command) && !mForwardingToPaintView && FrontCPaintWindow() != nullptr)
        return passToPaintView(command, ioParam);
    if (isPaletteCommand(command))
        return obeyPaletteCommand(command, ioParam);
    switch (command) {
    case cmd_ConnectMode:
        mConnectMode = !mConnectMode;
        return true;
    case cmd_MouseMode:
        mMouseMode = !mMouseMode;
        return true;
    default:
        return LDocApplication::ObeyCommand(command, ioParam);
    }
}

bool CApplication::passToPaintView(CommandT command, void* ioParam) {
    CPaintWindow* view = FrontCPaintWindow();
    const StForwarding forwarding(mForwardingToPaintView);
    view->ObeyCommand(command, ioParam);
    return true;
}

CPaintWindow* CApplication::paletteCommandView() const {
    // A run's commands go to the picture it started on, whichever is in front by now.
    if (auto* runView = dynamic_cast<CPaintWindow*>(RunPaintView()))
        return runView;
    return FrontCPaintWindow();
}

bool CApplication::obeyPaletteCommand(CommandT command, void* ioParam) {
    CPaintWindow* view = paletteCommandView();
    if (command >= cmd_PenWidth2 && command <= cmd_PenWidth32) {
        if (view != nullptr) {
            view->setFillMode(false);
            view->setPenSize(*penWidthOfButton(command));
        }
        if (ioParam != nullptr)
            mPalettes.MarkPenSize(command);
    } else if (command == cmd_FillTool) {
        if (view != nullptr)
            view->setFillMode(true);
    } else if (command >= cmd_ColourBlack && command <= cmd_ColourYellow) {
        if (view != nullptr)
            view->setPenColor(*colourOfButton(command), command);
        if (ioParam != nullptr)
            mPalettes.MarkColour(command);
    } else if (command == cmd_ColourCycling) {
        if (view != nullptr)
            view->setColorCycling(true);
        mPalettes.MarkColour(command);
    } else if (command == cmd_ColourPicker) {
        mPalettes.MarkColour(command);
        if (view != nullptr)
            chooseColour(*view);
    } else if (command >= cmd_Symmetry1 && command <= cmd_Symmetry8) {
        if (view != nullptr)
            view->setSymmetry(*symmetryOfButton(command));
        if (ioParam != nullptr)
            mPalettes.MarkSymmetry(command);
    } else if (command == cmd_ClearPicture) {
        if (view != nullptr)
            view->ObeyCommand(cmd_Clear, nullptr);
    }
    return true;
}

void CApplication::chooseColour(CPaintWindow& view) {
    if (!mColourPicker)
        return;
    QGuiApplication::restoreOverrideCursor();
    if (const auto chosen = mColourPicker(view.getPenColor()))
        view.setPenColor(*chosen, cmd_ColourPicker);
}

void CApplication::FindCommandStatus(CommandT command, CommandStatus& status) {
    if (isDocumentCommand(command) && !mForwardingToPaintView) {
        if (CPaintWindow* view = FrontCPaintWindow()) {
            const StForwarding forwarding(mForwardingToPaintView);
            view->FindCommandStatus(command, status);
            return;
        }
    }
    if (isPaletteCommand(command)) {
        status.enabled = true;
        return;
    }
    switch (command) {
    case cmd_ConnectMode:
        status.enabled = true;
        status.mark = mConnectMode ? kCheckMark : 0;
        return;
    case cmd_MouseMode:
        status.enabled = true;
        status.mark = mMouseMode ? kCheckMark : 0;
        return;
    default:
        LDocApplication::FindCommandStatus(command, status);
    }
}

std::int32_t CApplication::SelectedPenButton() const {
    return mPalettes.SelectedPenButton();
}

std::int32_t CApplication::SelectedColourButton() const {
    return mPalettes.SelectedColourButton();
}

std::int32_t CApplication::SelectedSymmetryButton() const {
    return mPalettes.SelectedSymmetryButton();
}

void CApplication::MarkPenSize(std::int32_t button) {
    mPalettes.MarkPenSize(button);
}

void CApplication::MarkColour(std::int32_t button) {
    mPalettes.MarkColour(button);
}

void CApplication::MarkSymmetry(std::int32_t button) {
    mPalettes.MarkSymmetry(button);
}

TurtleView* CApplication::FrontPaintView() {
    return FrontCPaintWindow();
}

bool CApplication::ObeyHostCommand(CommandT command, void* ioParam) {
    return ObeyCommand(command, ioParam);
}

void CApplication::SetSleepTime(std::uint32_t ticks) {
    LDocApplication::SetSleepTime(ticks);
}
