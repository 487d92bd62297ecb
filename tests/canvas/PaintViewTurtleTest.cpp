// The turtle operations and pen settings of the paint view, and what reaches the screen.

#include "ColourModel.h"
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
    view->setPenColor(kBlack, 3000);
    EXPECT_FALSE(view->paintState().colourCycling);
}

TEST_F(PaintViewTurtle, AFirstStrokeAfterAMoveStartsWithADotLaterOnesJoin) {
    view->setPenSize(16);
    view->moveTurtleTo(Point::at(100, 100), 90.0f);
    view->lineTurtleTo(Point::at(200, 100), 90.0f);
    EXPECT_TRUE(isInk(93, 100) && isInk(207, 100)) << "dots at both ends";
    EXPECT_FALSE(view->paintState().strokeStart);
    EXPECT_EQ(view->turtlePoint(), Point::at(200, 100));
    view->setPenSize(16);
    EXPECT_TRUE(view->paintState().strokeStart);
}

// What a run draws between two visits of the event loop reaches the screen at the next one; a
// short stroke repaints only around itself, a fill the whole view.
TEST_F(PaintViewTurtle, EveryStrokeSinceTheLastVisitIsRepaintedAtTheNext) {
    const QRect stroke =
        repainted([&] { view->lineTurtleTo(Point::at(220, 150), 90.0f); }).first.boundingRect();
    EXPECT_TRUE(stroke.contains(QRect(200, 149, 21, 2)) && stroke.width() < 40 &&
                stroke.height() < 20);
    const auto scribble = [&] {
        for (int i = 0; i < 60; ++i)
            view->lineTurtleTo(Point::at(10 + (i * 37) % 380, 10 + (i * 53) % 280), 0.0f);
    };
    for (const int width : {2, 16}) {
        view->setPenSize(static_cast<std::int16_t>(width));
        const QImage before = picture();
        const QRegion region = repainted(scribble, 1).first;
        const QImage after = picture();
        int changed = 0, unseen = 0; // changed pixels inside the region and outside it
        for (int y = 0; y < kHeight; ++y)
            for (int x = 0; x < kWidth; ++x)
                if (after.pixel(x, y) != before.pixel(x, y))
                    ++(region.contains(QPoint(x, y)) ? changed : unseen);
        EXPECT_EQ(unseen, 0) << "pen " << width;
        EXPECT_GT(changed, 1000);
    }
    view->setPenColor(kRed, 3001);
    EXPECT_TRUE(repainted([&] { view->fillAt(Point::at(10, 10)); }).first.contains(view->rect()));
}

// The triangle (200, 150), (206, 168), (194, 168): a black tip, and three rows above the base the
// sides at 195 and 205 framed black, filled in the pen colour.
TEST_F(PaintViewTurtle, TheTurtleIsDrawnOnTheScreenButNeverIntoThePicture) {
    view->setPenColor(kRed, 3001);
    view->moveTurtleTo(Point::at(200, 150), 0.0f);
    view->showTurtle(true);
    settle();
    EXPECT_EQ(screenRow(150, 200, 201) + screenRow(165, 193, 208), "b..brrrrrrrrrb..");
    EXPECT_EQ(picture().pixel(200, 162), 0xFFFFFFFFu);
    view->showTurtle(false);
    settle();
    EXPECT_EQ(screenRow(165, 193, 208), std::string(15, '.')) << "hiding takes it off the screen";
}

// The icon of the colour command stands above and right of the turtle point while the pen is
// down.
TEST_F(PaintViewTurtle, TheIconShowsTheColourCommand) {
    view->moveTurtleTo(Point::at(200, 150), 0.0f);
    view->showTurtle(true);
    QImage blank(32, 32, QImage::Format_RGB32);
    blank.fill(Qt::white);
    for (const std::int32_t command : {3008, 3002}) {
        command == 3008 ? view->setColorCycling(true)
                        : view->setPenColor(RGBColour{0, 0xFFFF, 0}, command);
        settle();
        QImage expected = blank.copy();
        QPainter(&expected).drawImage(
            0, 0, QImage(QString(":/turtlescope/icons/%1.png").arg(command + 2000)));
        EXPECT_EQ(screen().copy(200, 150 - 32, 32, 32), expected) << command;
    }
    view->setPenIconFlag(true);
    settle();
    EXPECT_EQ(screen().copy(202, 150 - 32, 30, 32), blank.copy(0, 0, 30, 32))
        << "no icon while the pen is up";
}

TEST_F(PaintViewTurtle, CursorFollowsPenWidthAndFillModeOnTheActiveView) {
    for (const auto& [width, id] :
         {std::pair{2, 128}, {4, 129}, {8, 130}, {16, 131}, {32, 132}, {0, 132}}) {
        view->setPenSize(std::int16_t(width));
        EXPECT_EQ(view->cursorID(), id) << width;
    }
    CPaintWindow inactive(nullptr, root.get());
    EXPECT_EQ(inactive.cursor().shape(), Qt::ArrowCursor);
    view->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(view.get()));
    view->setFillMode(true);
    EXPECT_EQ(view->cursorID(), 133);
    EXPECT_EQ(view->cursor().pixmap().toImage(),
              QPixmap(":/turtlescope/cursors/133.png").toImage());
}

TEST(TurtleLook, TheTriangleTrailsTheHeadingWithCornersTruncatedTowardZero) {
    widgetTestApplication();
    InitLanguageTables();
    const TurtleShape up = turtleShape(Point::at(200, 150), 0.0f);
    EXPECT_EQ((std::vector{up.tip, up.back, up.side}),
              (std::vector{Point::at(200, 150), Point::at(206, 168), Point::at(194, 168)}));
    for (const float heading : {180.0f, 180.9f, 540.0f})
        EXPECT_EQ(turtleShape(Point::at(0, 0), heading).back, Point::at(-6, -18)) << heading;
    EXPECT_EQ(turtleShape(Point::at(10, 10), std::nanf("")).back,
              turtleShape(Point::at(10, 10), 0.0f).back);
}

} // namespace
