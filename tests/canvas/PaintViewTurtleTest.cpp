// The turtle operations and pen settings of the paint view, and what reaches the screen.

#include "ColourModel.h"
#include "Guides.h"
#include "HueCycling.h"
#include "LanguageTables.h"
#include "PaintViewTestSupport.h"
#include "TurtleLook.h"

#include <QPaintEvent>
#include <QPainter>
#include <cmath>

using namespace paint_view_test;

namespace {

class PaintViewTurtle : public PaintViewTest {};

// Collects the regions the view repaints.
class PaintRecorder : public QObject {
public:
    explicit PaintRecorder(QWidget* watched) { watched->installEventFilter(this); }
    QRegion painted;
    int events = 0;

protected:
    bool eventFilter(QObject* /*watched*/, QEvent* event) override {
        if (event->type() == QEvent::Paint) {
            ++events;
            painted += static_cast<QPaintEvent*>(event)->region();
        }
        return false;
    }
};

void settle() {
    QCoreApplication::processEvents();
    QCoreApplication::processEvents();
}

TEST_F(PaintViewTurtle, ColourCyclingTurnsThePenRedAndMovesTheHueOnPerLine) {
    view->setPenColor(RGBColour{0, 0, 0xFFFF}, 3003);
    view->setColorCycling(true);
    EXPECT_EQ(view->getPenColor(), kRed);
    EXPECT_EQ(view->colourCommand(), 3008);
    EXPECT_TRUE(view->paintState().colourCycling);

    view->moveTurtleTo(Point::at(50, 50), 90.0f);
    view->lineTurtleTo(Point::at(100, 50), 90.0f);
    EXPECT_EQ(at(75, 50), kRed);
    const std::uint16_t first = RGB2HSV(view->getPenColor()).hue;
    view->lineTurtleTo(Point::at(150, 50), 90.0f);
    const std::uint16_t second = RGB2HSV(view->getPenColor()).hue;
    EXPECT_NEAR(int(first), 255, 2);
    EXPECT_NEAR(int(second), 510, 2);
    EXPECT_FALSE(at(125, 50) == kRed);

    view->setPenColor(kBlack, 3000);
    EXPECT_FALSE(view->paintState().colourCycling);
    EXPECT_EQ(view->colourCommand(), 3000);
}

TEST_F(PaintViewTurtle, AFirstStrokeAfterAMoveStartsWithADotLaterOnesJoin) {
    view->setPenSize(16);
    view->moveTurtleTo(Point::at(100, 100), 90.0f);
    view->lineTurtleTo(Point::at(200, 100), 90.0f);
    EXPECT_TRUE(isInk(93, 100)) << "dot at the start";
    EXPECT_TRUE(isInk(207, 100)) << "dot at the end";
    EXPECT_FALSE(view->paintState().strokeStart);
    EXPECT_EQ(view->turtlePoint(), Point::at(200, 100));
    EXPECT_EQ(view->heading(), 90.0f);

    view->setPenSize(16);
    EXPECT_TRUE(view->paintState().strokeStart);
}

TEST_F(PaintViewTurtle, AFillPaintsTheCanvasAndRepaintsTheWholeView) {
    view->setPenColor(kRed, 3001);
    settle();
    PaintRecorder recorder(view.get());
    view->fillAt(Point::at(10, 10));
    settle();
    EXPECT_EQ(at(399, 299), kRed);
    EXPECT_TRUE(recorder.painted.contains(view->rect()));
}

TEST_F(PaintViewTurtle, AStrokeRepaintsOnlyAroundItself) {
    settle();
    PaintRecorder recorder(view.get());
    view->moveTurtleTo(Point::at(100, 100), 0.0f);
    view->lineTurtleTo(Point::at(120, 100), 90.0f);
    settle();
    EXPECT_GE(recorder.events, 1);
    const QRect bounds = recorder.painted.boundingRect();
    EXPECT_TRUE(bounds.contains(QRect(100, 99, 21, 2)));
    EXPECT_LT(bounds.width(), 40);
    EXPECT_LT(bounds.height(), 20);
}

TEST_F(PaintViewTurtle, EraseTurtleWhileHiddenRepaintsNothing) {
    settle();
    PaintRecorder recorder(view.get());
    view->eraseTurtle();
    view->setHeading(45.0f);
    view->drawTurtle();
    settle();
    EXPECT_EQ(recorder.events, 0);
    EXPECT_TRUE(recorder.painted.isEmpty());
}

TEST_F(PaintViewTurtle, EraseTurtleWhileShownRepaintsAroundTheTurtle) {
    view->showTurtle(true);
    settle();
    PaintRecorder recorder(view.get());
    view->eraseTurtle();
    settle();
    const Point p = view->turtlePoint();
    EXPECT_TRUE(recorder.painted.contains(QRect(p.h - 21, p.v - 33, 54, 54)));
    EXPECT_LT(recorder.painted.boundingRect().width(), 80);
}

TEST_F(PaintViewTurtle, TheTurtleIsDrawnOnTheScreenButNeverIntoThePicture) {
    view->setPenColor(kRed, 3001);
    view->moveTurtleTo(Point::at(200, 150), 0.0f);
    view->showTurtle(true);
    settle();
    const TurtleShape shape = turtleShape(Point::at(200, 150), 0.0f);
    // Heading 0 points up: the triangle hangs below the turtle point.
    EXPECT_GT(shape.back.v, 150);

    QImage shown = screen();
    EXPECT_EQ(QColor(shown.pixel(200, 150)), QColor(Qt::black)); // the framed tip
    // Inside the triangle: the pen colour.
    const int h = (shape.tip.h + shape.back.h + shape.side.h) / 3;
    const int v = (shape.tip.v + shape.back.v + shape.side.v) / 3;
    EXPECT_EQ(QColor(shown.pixel(h, v)), QColor(Qt::red));
    // The icon above and right of the turtle point while the pen is down.
    int iconInk = 0;
    for (int y = 150 - 32; y < 150; ++y)
        for (int x = 200; x < 232; ++x)
            iconInk += QColor(shown.pixel(x, y)) != QColor(Qt::white);
    EXPECT_GT(iconInk, 50);
    EXPECT_EQ(picture().pixel(h, v), 0xFFFFFFFFu);

    view->setPenIconFlag(true);
    settle();
    shown = screen();
    iconInk = 0;
    for (int y = 150 - 32; y < 150; ++y)
        for (int x = 202; x < 232; ++x)
            iconInk += QColor(shown.pixel(x, y)) != QColor(Qt::white);
    EXPECT_EQ(iconInk, 0) << "no icon while the pen is up";

    view->showTurtle(false);
    settle();
    shown = screen();
    EXPECT_EQ(QColor(shown.pixel(h, v)), QColor(Qt::white)) << "hiding takes it off the screen";
}

TEST_F(PaintViewTurtle, TheIconShowsTheColourCommand) {
    view->moveTurtleTo(Point::at(200, 150), 0.0f);
    view->showTurtle(true);
    for (const std::int32_t command : {3008, 3002}) {
        if (command == 3008)
            view->setColorCycling(true);
        else
            view->setPenColor(RGBColour{0, 0xFFFF, 0}, command);
        settle();
        const QImage icon(QStringLiteral(":/turtlescope/icons/%1.png").arg(command + 2000));
        ASSERT_FALSE(icon.isNull());
        QImage expected(32, 32, QImage::Format_RGB32);
        expected.fill(Qt::white);
        QPainter(&expected).drawImage(0, 0, icon);
        EXPECT_EQ(screen().copy(200, 150 - 32, 32, 32), expected) << command;
    }
}

TEST_F(PaintViewTurtle, GuidesShowOnTheScreenOnly) {
    view->setSymmetry(4);
    settle();
    const QImage shown = screen();
    const QColor guide(kGuideColour.red >> 8, kGuideColour.green >> 8, kGuideColour.blue >> 8);
    EXPECT_EQ(QColor(shown.pixel(200, 10)), guide);
    EXPECT_EQ(QColor(shown.pixel(10, 150)), guide);
    EXPECT_EQ(QColor(shown.pixel(10, 10)), QColor(Qt::white));
    EXPECT_FALSE(isInk(200, 10));
    EXPECT_EQ(view->paintState().symmetry, 4);
}

TEST_F(PaintViewTurtle, SymmetryRepeatsTurtleStrokes) {
    view->setSymmetry(2);
    view->moveTurtleTo(Point::at(50, 50), 0.0f);
    view->lineTurtleTo(Point::at(50, 100), 180.0f);
    EXPECT_TRUE(isInk(50, 75));
    EXPECT_TRUE(isInk(kWidth - 50, 75) || isInk(kWidth - 51, 75));
}

TEST_F(PaintViewTurtle, TextGoesIntoTheCanvasInThePenColour) {
    view->setPenColor(kRed, 3001);
    view->setTextSize(24);
    LStr255 text;
    text.append("Hello");
    view->writeText(text, 50, 100);
    int red = 0;
    for (int v = 70; v < 110; ++v)
        for (int h = 50; h < 150; ++h)
            red += at(h, v) == kRed;
    EXPECT_GT(red, 50);
}

TEST_F(PaintViewTurtle, ClearMakesAWhiteCanvasOfTheFrame) {
    view->lineTurtleTo(Point::at(10, 10), 0.0f);
    view->clearPicture();
    EXPECT_EQ(view->canvas().getBounds(), (Rect{0, 0, kHeight, kWidth}));
    EXPECT_EQ(picture().pixel(10, 10), 0xFFFFFFFFu);
    EXPECT_TRUE(view->paintState().strokeStart);
}

TEST_F(PaintViewTurtle, CursorFollowsPenWidthAndFillMode) {
    const std::pair<int, int> expected[] = {{1, 128}, {2, 128},  {4, 129},
                                            {8, 130}, {16, 131}, {32, 132}};
    for (const auto& [width, id] : expected) {
        view->setPenSize(std::int16_t(width));
        EXPECT_EQ(view->cursorID(), id) << width;
    }
    view->setPenSize(0);
    EXPECT_EQ(view->cursorID(), 132);
    view->setPenSize(-3);
    EXPECT_EQ(view->cursorID(), 132);
    view->setFillMode(true);
    for (const auto& [width, id] : expected) {
        view->setPenSize(std::int16_t(width));
        EXPECT_EQ(view->cursorID(), 133);
    }
}

TEST_F(PaintViewTurtle, TheActiveViewShowsOurCursorImage) {
    CPaintWindow inactive(nullptr, root.get());
    EXPECT_EQ(inactive.cursor().shape(), Qt::ArrowCursor);

    view->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(view.get()));
    view->setPenSize(32);
    EXPECT_EQ(view->cursor().shape(), Qt::BitmapCursor);
    EXPECT_EQ(view->cursor().pixmap().size(), QPixmap(":/turtlescope/cursors/132.png").size());
    view->setFillMode(true);
    EXPECT_EQ(view->cursor().pixmap().toImage(),
              QPixmap(":/turtlescope/cursors/133.png").toImage());
}

// A document-like commander that can always save.
class SavingCommander : public LCommander {
public:
    using LCommander::LCommander;
    void FindCommandStatus(CommandT command, CommandStatus& status) override {
        if (command == cmd_Save || command == cmd_SaveAs)
            status.enabled = true;
        else
            LCommander::FindCommandStatus(command, status);
    }
};

TEST_F(PaintViewTurtle, CommandStatuses) {
    EXPECT_TRUE(LCommander::DispatchCommandStatus(cmd_Clear).enabled);
    SavingCommander document(root.get());
    // An unshown view has no canvas yet: nothing to save.
    CPaintWindow fresh(nullptr, &document);
    ASSERT_FALSE(fresh.canvas().isValid());
    for (const CommandT command : {cmd_Save, cmd_SaveAs}) {
        CommandStatus status;
        fresh.FindCommandStatus(command, status);
        EXPECT_FALSE(status.enabled) << command;
    }
    CommandStatus clear;
    fresh.FindCommandStatus(cmd_Clear, clear);
    EXPECT_TRUE(clear.enabled);

    fresh.clearPicture();
    ASSERT_TRUE(fresh.canvas().isValid());
    for (const CommandT command : {cmd_Save, cmd_SaveAs}) {
        CommandStatus status;
        fresh.FindCommandStatus(command, status);
        EXPECT_TRUE(status.enabled) << "the document answers " << command;
    }
}

TEST_F(PaintViewTurtle, ANewViewTakesThePalettesSelections) {
    CPaintWindow::SetPaletteSource([] {
        PaletteSelection selection;
        selection.penWidth = 16;
        selection.symmetry = 6;
        selection.colour = RGBColour{0, 0xFFFF, 0};
        return selection;
    });
    CPaintWindow fresh(nullptr, root.get());
    CPaintWindow::SetPaletteSource(nullptr);
    EXPECT_EQ(fresh.paintState().penWidth, 16);
    EXPECT_EQ(fresh.paintState().symmetry, 6);
    EXPECT_EQ(fresh.getPenColor(), (RGBColour{0, 0xFFFF, 0}));
    EXPECT_EQ(fresh.colourCommand(), 3000);
    EXPECT_TRUE(LCommander::GetTarget() == &fresh);
}

TEST_F(PaintViewTurtle, TheFirstClickEndsIdling) {
    EXPECT_TRUE(view->IsIdling());
    press({10, 10});
    EXPECT_FALSE(view->IsIdling());
    release({10, 10});
}

} // namespace

namespace {

TEST(TurtleLook, TheTriangleTrailsTheHeadingWithCornersTruncatedTowardZero) {
    ASSERT_TRUE(ensureWidgetApplication());
    InitLanguageTables();
    const TurtleShape up = turtleShape(Point::at(200, 150), 0.0f);
    EXPECT_EQ(up.tip, Point::at(200, 150));
    EXPECT_EQ(up.back, Point::at(206, 168));
    EXPECT_EQ(up.side, Point::at(194, 168));

    const TurtleShape down = turtleShape(Point::at(0, 0), 180.0f);
    EXPECT_EQ(down.back, Point::at(-6, -18));
    EXPECT_EQ(turtleShape(Point::at(0, 0), 180.9f).back, down.back);
    EXPECT_EQ(turtleShape(Point::at(0, 0), 540.0f).back, down.back);

    const TurtleShape broken = turtleShape(Point::at(10, 10), std::nanf(""));
    EXPECT_EQ(broken.back, turtleShape(Point::at(10, 10), 0.0f).back);
}

} // namespace
