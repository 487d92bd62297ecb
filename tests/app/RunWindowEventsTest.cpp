// A run in a real picture window while the window system closes, resizes or reorders windows.

#include "ApplicationTestSupport.h"
#include "MessageBoxAnswerer.h"
#include "RunControl.h"

#include <qpa/qwindowsysteminterface.h>

static bool isWhite(const CPaintWindow& view) {
    QImage white(view.canvas().image().size(), view.canvas().image().format());
    white.fill(Qt::white);
    return view.canvas().image() == white;
}

// The title bar's close box: the run stops, and only then is the Save question asked, which the
// user can answer.
TEST_F(EditorTest, ACloseFromTheTitleBarStopsTheRunThenAsksToSave) {
    const QPointer<QWidget> window = newPicture()->window();
    MessageBoxAnswerer answerer(QMessageBox::Discard);
    setText(QStringLiteral("delay 3\nrepeat 60 [ forward 1\nright 5 ]"));
    QTimer::singleShot(60,
                       [&] { QWindowSystemInterface::handleCloseEvent(window->windowHandle()); });
    RunProgram(*editor);
    EXPECT_LT(editor->runHeading(), 300) << "stopped before its end";
    EXPECT_EQ(answerer.shown, 0) << "no question while the run went on";
    for (int i = 0; i < 100 && window && window->isVisible(); ++i)
        QTest::qWait(20);
    EXPECT_EQ(std::tuple(answerer.shown, answerer.stuck, !window || !window->isVisible(),
                         application->FrontCPaintWindow()),
              std::tuple(1, 0, true, nullptr))
        << "the question took its click, and the window closed";
}

// The window manager's resize: the run must not go on drawing into the new canvas from its old
// turtle position.
TEST_F(EditorTest, AResizeStopsTheRunBeforeTheCanvasChanges) {
    CPaintWindow* view = newPicture();
    QWidget* const window = view->window();
    const QRect smaller(window->geometry().topLeft(), window->size() - QSize(100, 80));
    setText(QStringLiteral("delay 3\nrepeat 40 [ forward 3 ]"));
    QTimer::singleShot(
        60, [&] { QWindowSystemInterface::handleGeometryChange(window->windowHandle(), smaller); });
    RunProgram(*editor);
    EXPECT_EQ(window->size(), smaller.size());
    EXPECT_EQ(view->canvas().getBounds().width(), view->width());
    EXPECT_TRUE(isWhite(*view)) << "nothing drawn after the resize";
    EXPECT_EQ(view->turtlePoint(), rectCentre(view->localFrame()));
}

// Another picture comes to the front without a press (here the window list changes in the
// middle of the run): the run's colour and clear commands still go to its own picture.
TEST_F(EditorTest, ARunsCommandsGoToItsOwnPicture) {
    CPaintWindow* other = newPicture();
    CPaintWindow* mine = newPicture();
    ASSERT_TRUE(other && mine && other != mine);
    other->lineTurtleTo(Point::at(10, 10), 0);
    const QImage otherPicture = other->canvas().image().copy();
    setText(QStringLiteral("delay 5\nforward 10\nforward 10\ncolour red\nforward 10\nclear"));
    QTimer::singleShot(20, [&] { static_cast<LWindow*>(other->window())->Select(); });
    RunProgram(*editor);
    EXPECT_EQ(std::tuple(application->FrontCPaintWindow(), mine->getPenColor(), isWhite(*mine),
                         other->getPenColor(), other->canvas().image() == otherPicture),
              std::tuple(other, (RGBColour{0xFFFF, 0, 0}), true, kBlack, true));
}
