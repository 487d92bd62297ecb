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

void settle() {
    QCoreApplication::processEvents();
    QCoreApplication::processEvents();
}

class PaintViewTurtle : public PaintViewTest, public QObject {
protected:
    // What the view repaints, and in how many paint events, for what `act` does and the given
    // visits of the event loop after it.
    std::pair<QRegion, int> repainted(const std::function<void()>& act, int visits = 2) {
        settle();
        painted = QRegion();
        events = 0;
        view->installEventFilter(this);
        act();
        for (int i = 0; i < visits; ++i)
            QCoreApplication::processEvents();
        view->removeEventFilter(this);
        return {painted, events};
    }
    bool eventFilter(QObject* /*watched*/, QEvent* event) override {
        if (event->type() == QEvent::Paint) {
            ++events;
            painted += static_cast<QPaintEvent*>(event)->region();
        }
        return false;
    }
    QRegion painted;
    int events = 0;
};

TEST_F(PaintViewTurtle, ColourCyclingTurnsThePenRedAndMovesTheHueOnPerLine) {
    view->setPenColor(RGBColour{0, 0, 0xFFFF}, 3003);
    view->setColorCycling(true);
    EXPECT_EQ(view->colourCommand(), 3008);
    view->moveTurtleTo(Point::at(50, 50), 90.0f);
    view->lineTurtleTo(Point::at(100, 50), 90.0f);
    EXPECT_EQ(at(75, 50), kRed);
    EXPECT_NEAR(int(RGB2HSV(view->getPenColor()).hue), 255, 2);
    view->lineTurtleTo(Point::at(150, 50), 90.0f);
    EXPECT_NEAR(int(RGB2HSV(view->getPenColor()).hue), 510, 2);
    EXPECT_FALSE(at(125, 50) == kRed);

    view->setPenColor(kBlack, 3000);
    EXPECT_FALSE(view->paintState().colourCycling);
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

TEST_F(PaintViewTurtle, AStrokeRepaintsAroundItselfAFillTheWholeView) {
    const QRect stroke = repainted([&] {
                             view->moveTurtleTo(Point::at(100, 100), 0.0f);
                             view->lineTurtleTo(Point::at(120, 100), 90.0f);
                         }).first.boundingRect();
    EXPECT_TRUE(stroke.contains(QRect(100, 99, 21, 2)));
    EXPECT_TRUE(stroke.width() < 40 && stroke.height() < 20)
        << stroke.width() << "x" << stroke.height();
    view->setPenColor(kRed, 3001);
    EXPECT_TRUE(repainted([&] { view->fillAt(Point::at(10, 10)); }).first.contains(view->rect()));
    EXPECT_EQ(at(399, 299), kRed);
}

// What a run draws between two visits of the event loop reaches the screen at the next one.
TEST_F(PaintViewTurtle, EveryStrokeSinceTheLastVisitIsRepaintedAtTheNext) {
    for (const int width : {2, 16}) {
        view->setPenSize(static_cast<std::int16_t>(width));
        const QImage before = picture();
        const QRegion region =
            repainted(
                [&] {
                    for (int i = 0; i < 60; ++i)
                        view->lineTurtleTo(Point::at(10 + (i * 37) % 380, 10 + (i * 53) % 280),
                                           0.0f);
                },
                1)
                .first;
        const QImage after = picture();
        int changed = 0;
        for (int y = 0; y < kHeight; ++y)
            for (int x = 0; x < kWidth; ++x)
                if (after.pixel(x, y) != before.pixel(x, y)) {
                    ++changed;
                    ASSERT_TRUE(region.contains(QPoint(x, y)))
                        << "pen " << width << " at " << x << "," << y;
                }
        EXPECT_GT(changed, 1000);
    }
}

TEST_F(PaintViewTurtle, EraseTurtleRepaintsAroundTheTurtleOnlyWhileItIsShown) {
    EXPECT_EQ(repainted([&] {
                  view->eraseTurtle();
                  view->setHeading(45.0f);
                  view->drawTurtle();
              }).second,
              0);
    view->showTurtle(true);
    const QRegion erased = repainted([&] { view->eraseTurtle(); }).first;
    const Point p = view->turtlePoint();
    EXPECT_TRUE(erased.contains(QRect(p.h - 21, p.v - 33, 54, 54)));
    EXPECT_LT(erased.boundingRect().width(), 80);
}

TEST_F(PaintViewTurtle, TheTurtleIsDrawnOnTheScreenButNeverIntoThePicture) {
    view->setPenColor(kRed, 3001);
    view->moveTurtleTo(Point::at(200, 150), 0.0f);
    view->showTurtle(true);
    settle();
    const TurtleShape shape = turtleShape(Point::at(200, 150), 0.0f);
    EXPECT_EQ(QColor(screen().pixel(200, 150)), QColor(Qt::black)); // the framed tip
    const int h = (shape.tip.h + shape.back.h + shape.side.h) / 3;
    const int v = (shape.tip.v + shape.back.v + shape.side.v) / 3;
    EXPECT_EQ(QColor(screen().pixel(h, v)), QColor(Qt::red)) << "filled in the pen colour";
    // (200, 150), (206, 168), (194, 168): three rows above the base the sides are at 195 and
    // 205, framed black, red between.
    std::string row;
    for (int x = 193; x < 208; ++x) {
        const QColor c(screen().pixel(x, 165));
        row += c == QColor(Qt::red) ? 'r' : c == QColor(Qt::black) ? 'b' : '.';
    }
    EXPECT_EQ(row, "..brrrrrrrrrb..");
    EXPECT_EQ(picture().pixel(h, v), 0xFFFFFFFFu);
    view->showTurtle(false);
    settle();
    EXPECT_EQ(QColor(screen().pixel(h, v)), QColor(Qt::white)) << "hiding takes it off the screen";
}

// The icon of the colour command stands above and right of the turtle point while the pen is
// down.
TEST_F(PaintViewTurtle, TheIconShowsTheColourCommand) {
    view->moveTurtleTo(Point::at(200, 150), 0.0f);
    view->showTurtle(true);
    QImage blank(32, 32, QImage::Format_RGB32);
    blank.fill(Qt::white);
    for (const std::int32_t command : {3008, 3002}) {
        if (command == 3008)
            view->setColorCycling(true);
        else
            view->setPenColor(RGBColour{0, 0xFFFF, 0}, command);
        settle();
        const QImage icon(QStringLiteral(":/turtlescope/icons/%1.png").arg(command + 2000));
        ASSERT_FALSE(icon.isNull());
        QImage expected = blank.copy();
        QPainter(&expected).drawImage(0, 0, icon);
        EXPECT_EQ(screen().copy(200, 150 - 32, 32, 32), expected) << command;
    }
    view->setPenIconFlag(true);
    settle();
    EXPECT_EQ(screen().copy(202, 150 - 32, 30, 32), blank.copy(0, 0, 30, 32))
        << "no icon while the pen is up";
}

TEST_F(PaintViewTurtle, SymmetryRepeatsStrokesAndShowsGuidesOnTheScreenOnly) {
    view->setSymmetry(4);
    view->moveTurtleTo(Point::at(50, 50), 0.0f);
    view->lineTurtleTo(Point::at(50, 100), 180.0f);
    settle();
    EXPECT_TRUE(isInk(50, 75));
    EXPECT_TRUE(isInk(kWidth - 50, 75) || isInk(kWidth - 51, 75));
    EXPECT_TRUE(isInk(kWidth - 50, kHeight - 75) || isInk(kWidth - 51, kHeight - 75));
    const QImage shown = screen();
    const QColor guide(kGuideColour.red >> 8, kGuideColour.green >> 8, kGuideColour.blue >> 8);
    EXPECT_EQ(QColor(shown.pixel(200, 10)), guide);
    EXPECT_EQ(QColor(shown.pixel(10, 150)), guide);
    EXPECT_EQ(QColor(shown.pixel(10, 10)), QColor(Qt::white));
    EXPECT_FALSE(isInk(200, 10));
}

TEST_F(PaintViewTurtle, TextGoesIntoTheCanvasInThePenColour) {
    view->setPenColor(kRed, 3001);
    view->setTextSize(24);
    view->writeText(LStr255("Hello"), 50, 100);
    const QImage text = picture().copy(50, 70, 100, 40);
    const auto* pixels = reinterpret_cast<const QRgb*>(text.constBits());
    EXPECT_GT(std::count(pixels, pixels + 100 * 40, 0xFFFF0000u), 50);
}

TEST_F(PaintViewTurtle, CursorFollowsPenWidthAndFillModeOnTheActiveView) {
    const std::pair<int, int> expected[] = {{1, 128},  {2, 128},  {4, 129}, {8, 130},
                                            {16, 131}, {32, 132}, {0, 132}, {-3, 132}};
    for (const auto& [width, id] : expected) {
        view->setPenSize(std::int16_t(width));
        EXPECT_EQ(view->cursorID(), id) << width;
    }
    view->setFillMode(true);
    for (const int width : {1, 32}) {
        view->setPenSize(std::int16_t(width));
        EXPECT_EQ(view->cursorID(), 133);
    }
    view->setFillMode(false);

    // The active view shows our cursor image.
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
    SavingCommander document(root.get());
    CPaintWindow fresh(nullptr, &document);
    auto enabled = [&](CommandT command) {
        CommandStatus status;
        fresh.FindCommandStatus(command, status);
        return status.enabled;
    };
    // An unshown view has no canvas yet: nothing to save, but it can be cleared.
    ASSERT_FALSE(fresh.canvas().isValid());
    EXPECT_FALSE(enabled(cmd_Save));
    EXPECT_FALSE(enabled(cmd_SaveAs));
    EXPECT_TRUE(enabled(cmd_Clear));
    fresh.clearPicture();
    EXPECT_TRUE(enabled(cmd_Save)) << "the document answers";
    EXPECT_TRUE(enabled(cmd_SaveAs));
}

TEST_F(PaintViewTurtle, TheFirstClickEndsIdling) {
    EXPECT_TRUE(view->IsIdling());
    press({10, 10});
    EXPECT_FALSE(view->IsIdling());
    release({10, 10});
}

TEST(TurtleLook, TheTriangleTrailsTheHeadingWithCornersTruncatedTowardZero) {
    ASSERT_TRUE(ensureWidgetApplication());
    InitLanguageTables();
    const TurtleShape up = turtleShape(Point::at(200, 150), 0.0f);
    EXPECT_EQ((std::vector{up.tip, up.back, up.side}),
              (std::vector{Point::at(200, 150), Point::at(206, 168), Point::at(194, 168)}));

    const TurtleShape down = turtleShape(Point::at(0, 0), 180.0f);
    EXPECT_EQ(down.back, Point::at(-6, -18));
    EXPECT_EQ(turtleShape(Point::at(0, 0), 180.9f).back, down.back);
    EXPECT_EQ(turtleShape(Point::at(0, 0), 540.0f).back, down.back);

    const TurtleShape broken = turtleShape(Point::at(10, 10), std::nanf(""));
    EXPECT_EQ(broken.back, turtleShape(Point::at(10, 10), 0.0f).back);
}

} // namespace
