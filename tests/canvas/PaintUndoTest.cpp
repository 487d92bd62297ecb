// Undoing paint steps and clears on a real paint view.

#include "LDocument.h"
#include "PaintViewTestSupport.h"

using namespace paint_view_test;

namespace {

class PaintUndo : public PaintViewTest {
protected:
    void stroke(QPoint from, QPoint to) {
        press(from);
        drag(to);
        release(to);
    }
    CommandStatus undoStatus() { return LCommander::DispatchCommandStatus(cmd_Undo); }
    // A turtle line across the picture and a dot, then the window resized: the picture before
    // the dot.
    QImage paintThenResize(int width, int height) {
        view->moveTurtleTo(Point::at(10, 10), 0.0f);
        view->lineTurtleTo(Point::at(390, 290), 0.0f);
        const QImage withLine = picture();
        QTest::mouseClick(view.get(), Qt::LeftButton, Qt::NoModifier, QPoint(380, 20));
        view->resize(width, height);
        QCoreApplication::processEvents();
        return withLine;
    }
};

// Undo takes back the last paint step only: a stroke with the turtle's lines drawn after it, or a
// Backspace clear (which shows no circles); undo again redoes.
TEST_F(PaintUndo, UndoRedoUndoOfTheLastStrokeAndOfAClear) {
    const auto undoes = [&](std::initializer_list<QImage> pictures) {
        for (const QImage& expected : pictures)
            EXPECT_TRUE(undo() && picture() == expected);
    };
    stroke({50, 150}, {150, 150});
    const QImage first = picture();
    stroke({50, 50}, {150, 50});
    view->lineTurtleTo(Point::at(150, 150), 180.0f);
    const QImage painted = picture();
    ASSERT_TRUE(isInk(150, 100));
    undoes({first, painted, first});

    QTest::keyClick(view.get(), Qt::Key_A);
    EXPECT_EQ(picture(), first) << "other keys are not a clear";
    QTest::keyClick(view.get(), Qt::Key_Backspace);
    EXPECT_FALSE(isInk(100, 150));
    EXPECT_EQ(view->wipeRingCount(), 0);
    const QImage cleared = picture();
    undoes({first, cleared, first});
}

TEST_F(PaintUndo, UndoAfterTheCanvasShrankExchangesTheSharedCorner) {
    const QImage withLine = paintThenResize(200, 100);
    ASSERT_EQ(view->canvas().getBounds(), (Rect{0, 0, 100, 200}));

    EXPECT_TRUE(undo());
    EXPECT_EQ(view->canvas().getBounds(), (Rect{0, 0, 100, 200}));
    EXPECT_EQ(picture(), withLine.copy(0, 0, 200, 100));
    EXPECT_TRUE(undo()); // redo: the white corner comes back
    QImage white(200, 100, QImage::Format_RGB32);
    white.fill(0xFFFFFFFFu);
    EXPECT_EQ(picture(), white);
}

TEST_F(PaintUndo, UndoAfterTheCanvasGrewRestoresTheOldAreaOnly) {
    const QImage withLine = paintThenResize(600, 500);
    view->moveTurtleTo(Point::at(590, 490), 0.0f);
    view->lineTurtleTo(Point::at(550, 490), 0.0f);

    EXPECT_TRUE(undo());
    const QImage now = picture();
    EXPECT_EQ(now.size(), QSize(600, 500));
    EXPECT_EQ(now.copy(0, 0, kWidth, kHeight), withLine);
    EXPECT_NE(now.pixel(570, 490), 0xFFFFFFFFu) << "beyond the old picture the canvas stays";
}

TEST_F(PaintUndo, AnActionOutlivingItsViewDoesNothing) {
    stroke({50, 50}, {150, 50});
    ASSERT_TRUE(undoStatus().enabled);
    view.reset();
    LCommander::SwitchTarget(root.get());
    EXPECT_FALSE(undoStatus().enabled);
    EXPECT_TRUE(undo()); // answered, nothing to exchange
}

TEST_F(PaintUndo, AStrokeMarksTheDocumentModifiedAtItsEndAFillAtOnce) {
    LDocument document(root.get());
    LCommander between(&document); // between the view and the document, as a window is
    view->SetSuperCommander(&between);
    press({50, 50});
    drag({100, 50});
    EXPECT_FALSE(document.IsModified());
    release({100, 50});
    EXPECT_TRUE(document.IsModified());
    document.SetModified(false);
    view->setFillMode(true);
    QTest::mouseClick(view.get(), Qt::LeftButton, Qt::NoModifier, QPoint(10, 10));
    EXPECT_TRUE(document.IsModified());
    view.reset(); // before the commanders it answers to
}

} // namespace
