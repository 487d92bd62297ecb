#include "CPaintWindow.h"

#include "CPaintAction.h"
#include "LDocument.h"
#include "LanguageTables.h"
#include "PaintCursors.h"
#include "PaintWindowPlacement.h"

#include <QGuiApplication>
#include <QKeyEvent>
#include <QLayout>
#include <QScreen>
#include <chrono>

namespace {

// The application's hooks; without them the defaults of a fresh palette apply.
struct PaintViewSources {
    CPaintWindow::PaletteSource palette = nullptr;
    CPaintWindow::ModesSource modes = nullptr;
};

PaintViewSources& sources() {
    static PaintViewSources installed;
    return installed;
}

constexpr std::int32_t kFirstColourCommand = 3000;
constexpr char kBackspace = 8;
// One tick: a resting pointer gets a sample as often as the screen is shown anew.
constexpr std::chrono::milliseconds kRestSampleInterval{1000 / 60};

} // namespace

void CPaintWindow::SetPaletteSource(PaletteSource source) {
    sources().palette = source;
}

void CPaintWindow::SetModesSource(ModesSource source) {
    sources().modes = source;
}

PaintingModes CPaintWindow::currentModes() {
    return sources().modes ? sources().modes() : PaintingModes{};
}

CPaintWindow::CPaintWindow(QWidget* parent, LCommander* superCommander)
    : LView(parent, kPaintPaneID), LCommander(superCommander) {
    InitLanguageTables();
    const PaletteSelection palette = sources().palette ? sources().palette() : PaletteSelection{};
    mPaint.colourCycling = palette.colourCycling;
    mPaint.penColour = palette.colour;
    mPaint.penWidth = palette.penWidth;
    mPaint.symmetry = palette.symmetry;
    mTurtleShown = false;
    mPenIconFlag = false;
    SwitchTarget(this);
    mPaint.turtlePoint = rectCentre(CalcLocalFrameRect());
    mHeading = 0.0f;
    mColourCommand = kFirstColourCommand;
    mPaint.strokeStart = true;
    mFillMode = false;
    StartIdling();

    // The canvas holds the picture; the widget only ever shows it.
    setAttribute(Qt::WA_StaticContents);
    setAttribute(Qt::WA_OpaquePaintEvent);
    setFocusPolicy(Qt::StrongFocus);
    updateCursor();

    mRestSampler.setInterval(kRestSampleInterval);
    connect(&mRestSampler, &QTimer::timeout, this, &CPaintWindow::sampleAtRest);
}

CPaintWindow::~CPaintWindow() = default;

// ---- pen settings

RGBColour CPaintWindow::getPenColor() const {
    return mPaint.penColour;
}

void CPaintWindow::setPenColor(const RGBColour& colour, std::int32_t colourCommand) {
    mPaint.penColour = colour;
    mPaint.colourCycling = false;
    mColourCommand = colourCommand;
    drawTurtle();
}

void CPaintWindow::setColorCycling(bool on) {
    mPaint.colourCycling = on;
    mPaint.penColour = RGBColour{0xFFFF, 0, 0};
    mColourCommand = 3008;
    drawTurtle();
}

void CPaintWindow::setFillMode(bool on) {
    mFillMode = on;
    updateCursor();
}

// ---- cursor

std::int16_t CPaintWindow::cursorID() const {
    return paintCursorID(mPaint.penWidth, mFillMode);
}

void CPaintWindow::updateCursor() {
    if (isActiveWindow())
        setCursor(paintCursor(cursorID()));
    else
        setCursor(Qt::ArrowCursor);
}

void CPaintWindow::enterEvent(QEnterEvent* event) {
    LView::enterEvent(event);
    updateCursor();
}

void CPaintWindow::changeEvent(QEvent* event) {
    LView::changeEvent(event);
    if (event->type() != QEvent::ActivationChange)
        return;
    updateCursor();
    // Painting without the button held cannot outlast the window's turn in front.
    if (!isActiveWindow() && mTracking == Tracking::FreePainting)
        finishPainting();
}

// ---- commands and keys

bool CPaintWindow::ObeyCommand(CommandT command, void* ioParam) {
    if (command == cmd_Clear) {
        wipePicture();
        clearPicture();
        return true;
    }
    return LCommander::ObeyCommand(command, ioParam);
}

void CPaintWindow::FindCommandStatus(CommandT command, CommandStatus& status) {
    if (command == cmd_Clear) {
        status.enabled = true;
        return;
    }
    if ((command == cmd_Save || command == cmd_SaveAs) && !mCanvas.isValid()) {
        status.enabled = false;
        return;
    }
    LCommander::FindCommandStatus(command, status);
}

bool CPaintWindow::HandleKeyPress(const QKeyEvent& event) {
    const bool backspace = event.key() == Qt::Key_Backspace ||
                           (event.text().size() == 1 && event.text()[0] == kBackspace);
    if (backspace) {
        wipePicture();
        clearPicture();
        return true;
    }
    return LCommander::HandleKeyPress(event);
}

void CPaintWindow::keyPressEvent(QKeyEvent* event) {
    if (!HandleKeyPress(*event))
        LView::keyPressEvent(event);
}

bool CPaintWindow::obeyCommand(CommandT command, void* ioParam) {
    return ObeyCommand(command, ioParam);
}

// ---- frame

void CPaintWindow::FinishCreateSelf() {
    QWidget* window = GetContainingWindow();
    if (window != nullptr) {
        const QScreen* screen = QGuiApplication::primaryScreen();
        const QRect available = screen ? screen->geometry() : QRect(0, 0, 1024, 768);
        const Rect r = paintWindowContentRect(
            Rect{clampToInt16(available.top()), clampToInt16(available.left()),
                 clampToInt16(available.top() + available.height()),
                 clampToInt16(available.left() + available.width())});
        window->setGeometry(r.left, r.top, r.width(), r.height());
        window->show();
        // The window's own bars (the menu bar) sit around the content: grow the window by
        // them, so that the view itself gets the placed rectangle.
        if (QLayout* layout = window->layout())
            layout->activate();
        const QPoint offset = mapTo(window, QPoint(0, 0));
        const QSize extra = window->size() - size();
        if (!offset.isNull() || !extra.isNull())
            window->setGeometry(r.left - offset.x(), r.top - offset.y(), r.width() + extra.width(),
                                r.height() + extra.height());
    }
    SwitchTarget(this);
}

void CPaintWindow::ResizeFrameBy(int widthDelta, int heightDelta) {
    LView::ResizeFrameBy(widthDelta, heightDelta);
    const Rect frame = CalcLocalFrameRect();
    if (!(frame == mCanvas.getBounds()) || !mCanvas.isValid())
        clearPicture();
    mPaint.turtlePoint = rectCentre(frame);
}

Rect CPaintWindow::localFrame() const {
    return CalcLocalFrameRect();
}

Point CPaintWindow::frameCentre() const {
    return rectCentre(CalcLocalFrameRect());
}

void CPaintWindow::invalidateView() {
    update();
}

void CPaintWindow::invalidateRect(const QRect& r) {
    const QRect clipped = r.intersected(rect());
    if (!clipped.isEmpty())
        mRepaint.add(clipped);
}

void CPaintWindow::forgetCanvasDamage() {
    if (GrafPort* port = mCanvas.getPort())
        port->takeDamage();
}

void CPaintWindow::showCanvasDamage() {
    GrafPort* port = mCanvas.getPort();
    if (port == nullptr)
        return;
    const QRect damage = port->takeDamage();
    if (damage.isEmpty())
        return;
    const int grow = std::max(1, mPaint.penWidth / 2 + 1);
    invalidateRect(damage.adjusted(-grow, -grow, grow, grow));
}

void CPaintWindow::markDocumentModified() {
    for (LCommander* c = GetSuperCommander(); c != nullptr; c = c->GetSuperCommander()) {
        if (auto* document = dynamic_cast<LDocument*>(c)) {
            document->SetModified(true);
            return;
        }
    }
}
