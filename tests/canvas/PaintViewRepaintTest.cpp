// What a run draws between two visits of the event loop reaches the screen at the next one.

#include "PaintViewTestSupport.h"

#include <QPaintEvent>

using namespace paint_view_test;

namespace {

class PaintViewRepaint : public PaintViewTest, public QObject {
protected:
    QRegion painted;
    bool eventFilter(QObject* /*watched*/, QEvent* event) override {
        if (event->type() == QEvent::Paint)
            painted += static_cast<QPaintEvent*>(event)->region();
        return false;
    }
};

TEST_F(PaintViewRepaint, EveryStrokeSinceTheLastVisitIsRepaintedAtTheNext) {
    QCoreApplication::processEvents(); // the first paint of the shown view
    QCoreApplication::processEvents();
    view->installEventFilter(this);
    for (const int width : {2, 16}) {
        view->setPenSize(static_cast<std::int16_t>(width));
        const QImage before = view->canvas().image().copy();
        painted = QRegion();
        for (int i = 0; i < 60; ++i)
            view->lineTurtleTo(Point::at(10 + (i * 37) % 380, 10 + (i * 53) % 280), 0.0f);
        QCoreApplication::processEvents();
        int changed = 0;
        for (int y = 0; y < kHeight; ++y)
            for (int x = 0; x < kWidth; ++x)
                if (view->canvas().image().pixel(x, y) != before.pixel(x, y)) {
                    ++changed;
                    ASSERT_TRUE(painted.contains(QPoint(x, y)))
                        << "pen " << width << " at " << x << "," << y;
                }
        EXPECT_GT(changed, 1000);
    }
    view->removeEventFilter(this);
}

} // namespace
