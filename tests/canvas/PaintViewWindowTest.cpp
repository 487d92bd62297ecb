// Where the paint view's window goes, what resizing does to the picture, the clear animation,
// and saving, opening and printing the picture.

#include "PaintViewTestSupport.h"
#include "PaintWindowPlacement.h"
#include "PictTestSupport.h"
#include "Ticks.h"

#include <QFile>
#include <QPrinter>
#include <QRegularExpression>
#include <QResizeEvent>
#include <QTemporaryDir>

using namespace paint_view_test;

namespace {

// The application's tests place a real picture window with it.
TEST(PaintWindowPlacement, TheLargestPictureBesideThePalettesOnEachScreen) {
    const std::pair<Rect, Rect> cases[] = {
        // screen, content
        {{0, 0, 1024, 1280}, {44, 83, 44 + 768, 83 + 1024}},            // capped at 1024 x 768
        {{0, 0, 768, 1024}, {44, 83, 768 - 8, 1024 - 8}},               // what is left
        {{100, 1280, 1124, 2560}, {144, 1363, 144 + 768, 1363 + 1024}}, // the screen's origin
    };
    for (const auto& [screen, content] : cases)
        EXPECT_EQ(paintWindowContentRect(screen), content) << screen.left;
}

class PaintViewWindow : public PaintViewTest {};

// A new picture's view takes the keys and menu commands at once, before any click.
TEST_F(PaintViewWindow, ANewViewBecomesTheTarget) {
    LCommander::SwitchTarget(root.get());
    CPaintWindow fresh(nullptr, root.get());
    EXPECT_EQ(LCommander::GetTarget(), &fresh);
}

TEST_F(PaintViewWindow, AResizeRecentresTheTurtleAndClearsOnlyWhenTheSizeChanges) {
    view->lineTurtleTo(Point::at(10, 10), 0.0f);
    QResizeEvent sameSize(view->size(), view->size());
    QApplication::sendEvent(view.get(), &sameSize);
    EXPECT_TRUE(isInk(10, 10));
    EXPECT_EQ(view->turtlePoint(), Point::at(kWidth / 2, kHeight / 2));

    view->resize(300, 200);
    QCoreApplication::processEvents();
    EXPECT_EQ(view->canvas().getBounds(), (Rect{0, 0, 200, 300}));
    EXPECT_FALSE(isInk(10, 10));
    EXPECT_EQ(view->turtlePoint(), Point::at(150, 100));
}

TEST_F(PaintViewWindow, TheClearAnimationDrawsCirclesOnTheScreenOnly) {
    const QImage before = picture();
    const std::uint32_t start = TickCount();
    view->wipePicture();
    EXPECT_EQ(view->wipeRingCount(), std::max(kWidth, kHeight) >> 2);
    // The circles grow 16 pixels a tick up to the larger side: a slow machine takes longer,
    // never less.
    EXPECT_GE(TickCount() - start, std::uint32_t(std::max(kWidth, kHeight) / 16 - 1))
        << "the circles are seen";
    QCoreApplication::processEvents();
    EXPECT_EQ(picture(), before);
    // Ring k frames the square 4k around the centre: on the centre row its right edge is the
    // pixel cx + 4k - 1, from the first ring to the last.
    const int cy = kHeight / 2, cx = kWidth / 2;
    std::string expected;
    for (int x = cx; x < kWidth; ++x)
        expected += (x - cx) % 4 == 3 ? 'b' : '.';
    EXPECT_EQ(screenRow(cy, cx, kWidth), expected);

    view->clearPicture();
    QCoreApplication::processEvents();
    EXPECT_EQ(view->wipeRingCount(), 0);
    EXPECT_EQ(screenRow(cy, cx, kWidth), std::string(kWidth - cx, '.'));
}

TEST_F(PaintViewWindow, TheClearCommandWipesAndClears) {
    view->lineTurtleTo(Point::at(10, 10), 0.0f);
    EXPECT_TRUE(view->obeyCommand(cmd_Clear, nullptr));
    EXPECT_FALSE(isInk(10, 10));
    EXPECT_EQ(view->canvas().getBounds(), (Rect{0, 0, kHeight, kWidth}));
    EXPECT_TRUE(view->paintState().strokeStart);
    EXPECT_EQ(view->wipeRingCount(), 0);
    // Other commands travel on and nobody here handles them.
    EXPECT_FALSE(view->obeyCommand(cmd_Copy, nullptr));
}

// Saving and opening through the view are the picture document tests' to drive.
TEST_F(PaintViewWindow, NothingIsWrittenWithoutACanvasAndPrintingPrintsTheCanvas) {
    QTemporaryDir dir;
    CPaintWindow unshown(nullptr, root.get());
    EXPECT_NE(unshown.writePictureFile(dir.filePath("none.pict")), 0);
    EXPECT_FALSE(QFile::exists(dir.filePath("none.pict")));
    EXPECT_EQ(view->printPicture(nullptr), -50);

    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(dir.filePath("picture.pdf"));
    view->printPicture(&printer);
    EXPECT_TRUE(QString::fromLatin1(picttest::fileBytes(dir.filePath("picture.pdf")))
                    .contains(QRegularExpression(QString("/Width\\s+%1\\b").arg(kWidth))));
}

} // namespace
