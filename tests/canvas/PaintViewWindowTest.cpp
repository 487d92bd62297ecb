// Where the paint view's window goes, what resizing does to the picture, and the clear
// animation.

#include "PaintViewTestSupport.h"
#include "PaintWindowPlacement.h"

#include <QResizeEvent>
#include <QVBoxLayout>

using namespace paint_view_test;

namespace {

Rect screenOf(int width, int height) {
    return Rect{0, 0, std::int16_t(height), std::int16_t(width)};
}

TEST(PaintWindowPlacement, ALargeScreenGetsTheLargestPicture) {
    const Rect r = paintWindowContentRect(screenOf(1280, 1024));
    EXPECT_EQ(r.left, 83);
    EXPECT_EQ(r.top, 44);
    EXPECT_EQ(r.width(), 1024);
    EXPECT_EQ(r.height(), 768);
}

TEST(PaintWindowPlacement, ASmallScreenGetsWhatIsLeftBesideThePalettes) {
    const Rect r = paintWindowContentRect(screenOf(1024, 768));
    EXPECT_EQ(r.left, 83);
    EXPECT_EQ(r.top, 44);
    EXPECT_EQ(r.width(), 933);
    EXPECT_EQ(r.height(), 716);
}

TEST(PaintWindowPlacement, FollowsTheScreensOrigin) {
    const Rect r = paintWindowContentRect(Rect{100, 1280, 1124, 2560});
    EXPECT_EQ(r.left, 1280 + 83);
    EXPECT_EQ(r.top, 100 + 44);
    EXPECT_EQ(r.width(), 1024);
}

class PaintViewWindow : public PaintViewTest {};

TEST_F(PaintViewWindow, ResizingToAnotherSizeClearsAndRecentres) {
    view->lineTurtleTo(Point::at(10, 10), 0.0f);
    ASSERT_TRUE(isInk(10, 10));
    view->resize(300, 200);
    QCoreApplication::processEvents();
    EXPECT_EQ(view->canvas().getBounds(), (Rect{0, 0, 200, 300}));
    EXPECT_FALSE(isInk(10, 10));
    EXPECT_EQ(view->turtlePoint(), Point::at(150, 100));
}

TEST_F(PaintViewWindow, AResizeToTheSameSizeKeepsThePictureButRecentres) {
    view->lineTurtleTo(Point::at(10, 10), 0.0f);
    ASSERT_EQ(view->turtlePoint(), Point::at(10, 10));
    QResizeEvent sameSize(view->size(), view->size());
    QApplication::sendEvent(view.get(), &sameSize);
    EXPECT_TRUE(isInk(10, 10));
    EXPECT_EQ(view->turtlePoint(), Point::at(kWidth / 2, kHeight / 2));
}

TEST_F(PaintViewWindow, CreationCompletePlacesTheWindowAndTheCanvasFollows) {
    QWidget window;
    auto* layout = new QVBoxLayout(&window);
    layout->setContentsMargins(0, 0, 0, 0);
    auto* inner = new CPaintWindow(&window, root.get());
    layout->addWidget(inner);
    inner->FinishCreateSelf();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
    QCoreApplication::processEvents();

    const QRect screen = QGuiApplication::primaryScreen()->geometry();
    const Rect expected =
        paintWindowContentRect(Rect{std::int16_t(screen.top()), std::int16_t(screen.left()),
                                    std::int16_t(screen.top() + screen.height()),
                                    std::int16_t(screen.left() + screen.width())});
    EXPECT_EQ(window.geometry(),
              QRect(expected.left, expected.top, expected.width(), expected.height()));
    EXPECT_EQ(inner->canvas().getBounds(),
              (Rect{0, 0, std::int16_t(expected.height()), std::int16_t(expected.width())}));
    EXPECT_EQ(inner->canvas().pixel(5, 5), kWhite);
    EXPECT_TRUE(LCommander::GetTarget() == inner);
}

TEST_F(PaintViewWindow, TheClearAnimationDrawsCirclesOnTheScreenOnly) {
    const QImage before = picture();
    view->wipePicture();
    EXPECT_EQ(view->wipeRingCount(), std::max(kWidth, kHeight) >> 2);
    QCoreApplication::processEvents();
    EXPECT_EQ(picture(), before);
    const QImage shown = screen();
    // The circles grow in steps of 4 from the centre: every 4th pixel on the centre row.
    const int cy = kHeight / 2;
    const int cx = kWidth / 2;
    int black = 0;
    for (int x = cx; x < kWidth; ++x)
        black += QColor(shown.pixel(x, cy)) == QColor(Qt::black);
    EXPECT_GE(black, (kWidth / 2) / 4 - 1);
    EXPECT_LE(black, (kWidth / 2) / 4 + 1);

    view->clearPicture();
    QCoreApplication::processEvents();
    EXPECT_EQ(view->wipeRingCount(), 0);
    EXPECT_EQ(QColor(screen().pixel(cx + 8, cy)), QColor(Qt::white));
}

TEST_F(PaintViewWindow, TheClearCommandWipesAndClears) {
    view->lineTurtleTo(Point::at(10, 10), 0.0f);
    EXPECT_TRUE(view->obeyCommand(cmd_Clear, nullptr));
    EXPECT_FALSE(isInk(10, 10));
    EXPECT_EQ(view->wipeRingCount(), 0);
    // Other commands travel on and nobody here handles them.
    EXPECT_FALSE(view->obeyCommand(cmd_Copy, nullptr));
}

} // namespace
