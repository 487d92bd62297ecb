#pragma once

// The paint view: shows the canvas, paints with the mouse, and draws for programs through the
// turtle operations. Every mark goes into the canvas; the screen is the canvas plus overlays
// (turtle, guides, wipe circles) drawn in the paint event, which never enter the canvas.

#include "CGWorld.h"
#include "DeferredRepaint.h"
#include "LCommander.h"
#include "LPeriodical.h"
#include "LView.h"
#include "PaintState.h"
#include "StrokeInput.h"
#include "TurtleView.h"
#include "WriteText.h"

#include <QString>
#include <QTimer>
#include <cstdint>

class QPrinter;

// The palette selections a new paint view starts from.
struct PaletteSelection {
    std::int16_t penWidth = 2;
    std::int32_t symmetry = 1;
    RGBColour colour = kBlack;
    bool colourCycling = false;
};

// The application's two painting flags, read at each click.
struct PaintingModes {
    bool connectMode = true; // successive positions joined by strokes, else dots only
    bool mouseMode = false;  // painting starts on release and ends at the next click
};

class CPaintWindow : public LView, public LCommander, public LPeriodical, public TurtleView {
    Q_OBJECT
public:
    // Class ID of the view resources.
    static constexpr std::uint32_t class_ID = 0x50696374; // 'Pict'
    static constexpr PaneIDT kPaintPaneID = 1;

    explicit CPaintWindow(QWidget* parent = nullptr, LCommander* superCommander = nullptr);
    ~CPaintWindow() override;

    // Where new views read the palettes and clicks read the painting flags. The application
    // installs its own; without one the defaults above apply.
    using PaletteSource = PaletteSelection (*)();
    using ModesSource = PaintingModes (*)();
    static void SetPaletteSource(PaletteSource source);
    static void SetModesSource(ModesSource source);

    // Turtle operations.
    Point turtlePoint() const override;
    void showTurtle(bool shown) override;
    void drawTurtle() override;
    void eraseTurtle() override;
    void setHeading(float degrees) override;
    void setPenIconFlag(bool penUp) override;
    void lineTurtleTo(Point p, float heading) override;
    void moveTurtleTo(Point p, float heading) override;
    void writeText(const LStr255& text, std::int16_t h, std::int16_t v) override;
    void fillAt(Point p) override;
    void clearPicture() override;
    void setPenSize(std::int16_t width) override;
    void setSymmetry(std::int32_t mode) override;
    void setTextFont(std::int16_t font) override;
    void setTextSize(std::int16_t size) override;
    void setTextStyle(std::int16_t style) override;
    bool obeyCommand(CommandT command, void* ioParam) override;
    void invalidateView() override;
    Rect localFrame() const override;
    void markDocumentModified() override;

    // Pen settings (the palettes' commands).
    RGBColour getPenColor() const;
    void setPenColor(const RGBColour& colour, std::int32_t colourCommand);
    void setColorCycling(bool on);
    void setFillMode(bool on);

    // The clear animation: posts an undo action, then draws growing circles on the screen.
    void wipePicture();

    // Document operations; statuses as the picture file code gives them.
    std::int16_t writePictureFile(const QString& path);
    // Whenever nothing was drawn, `refusal` (when given) says why, in words for the user.
    std::int16_t readPictureFile(const QString& path, QString* refusal = nullptr);
    // 0 when the job ran (or was cancelled), -50 without a printer, else an error status.
    std::int16_t printPicture(QPrinter* printer);

    // State for the document, the application and tests.
    CGWorld& canvas() { return mCanvas; }
    const CGWorld& canvas() const { return mCanvas; }
    const PaintState& paintState() const { return mPaint; }
    bool isTurtleShown() const { return mTurtleShown; }
    bool penIconFlag() const { return mPenIconFlag; }
    bool fillMode() const { return mFillMode; }
    std::int32_t colourCommand() const { return mColourCommand; }
    float heading() const { return mHeading; }
    // Circles of a running clear animation (0 when none is on the screen).
    int wipeRingCount() const;
    // The cursor resource ID the pointer shows over the view (128 to 133).
    std::int16_t cursorID() const;

    // LCommander
    bool ObeyCommand(CommandT command, void* ioParam) override;
    void FindCommandStatus(CommandT command, CommandStatus& status) override;
    bool HandleKeyPress(const QKeyEvent& event) override;

    // LView
    void FinishCreateSelf() override;

    // LPeriodical: registered at construction, stopped at the first click; draws nothing.
    void SpendTime() override {}

protected:
    void DrawSelf(QPainter& painter, const QRect& area) override;
    void ResizeFrameBy(int widthDelta, int heightDelta) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void enterEvent(QEnterEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    void showFileName(const QString& path);

    // Mouse tracking: what the next press, move or release means.
    enum class Tracking {
        Idle,            // not painting
        AwaitingRelease, // a click with mouseMode 1: painting starts when the button goes up
        HeldPainting,    // painting while the button is held
        FreePainting,    // painting without the button, until the next press
    };

    static PaintingModes currentModes();
    void invalidateRect(const QRect& r);
    // Repaints what the last canvas operations touched, grown by the pen radius.
    void showCanvasDamage();
    void forgetCanvasDamage();
    Point frameCentre() const;
    QRect turtleScreenRect() const;
    void updateCursor();
    void paintOverlays(QImage& scratch, const QRect& area) const;
    QRect wipeRingRect(int ring) const;

    void beginClick(Point p);
    void startPainting(Point p, Qt::KeyboardModifiers modifiers);
    void paintSample(Point q, Qt::KeyboardModifiers modifiers);
    // While the pointer rests the stroke goes on sampling where it is.
    void sampleAtRest();
    void finishPainting();

    CGWorld mCanvas;
    PaintState mPaint; // pen width, colour, cycling, symmetry, turtle point, stroke start
    bool mTurtleShown = false;
    bool mPenIconFlag = false;
    bool mFillMode = false;
    std::int32_t mColourCommand = 3000;
    float mHeading = 0.0f;
    TextSettings mText;

    Tracking mTracking = Tracking::Idle;
    PaintingModes mModes;
    Point mAnchor{};
    Point mClickPoint{};
    Point mLastSample{};
    StrokeInput mStrokeInput;
    QTimer mRestSampler;
    int mWipeRings = 0; // circles of a running clear animation, drawn over the picture
    DeferredRepaint mRepaint{*this};
};
