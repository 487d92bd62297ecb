// What a run draws between two visits of the event loop reaches the screen at the next one.

#include "PaintViewTestSupport.h"

#include <QPaintEvent>

using namespace paint_view_test;

namespace {

class RepaintRecorder : public QObject {
public:
    explicit RepaintRecorder(QWidget* watched) { watched->installEventFilter(this); }
    QRegion painted;

protected:
    bool eventFilter(QObject* /*watched*/, QEvent* event) override {
        if (event->type() == QEvent::Paint)
            painted += static_cast<QPaintEvent*>(event)->region();
        return false;
    }
};

class PaintViewRepaint : public PaintViewTest {};

TEST_F(PaintViewRepaint, EveryStrokeSinceTheLastVisitIsRepaintedAtTheNext) {
    QCoreApplication::processEvents();
    QCoreApplication::processEvents();
    RepaintRecorder recorder(view.get());
    for (const int width : {2, 16}) {
        SCOPED_TRACE(testing::Message() << "pen " << width);
        view->setPenSize(static_cast<std::int16_t>(width));
        const QImage before = view->canvas().image().copy();
        recorder.painted = QRegion();
        for (int i = 0; i < 60; ++i)
            view->lineTurtleTo(Point::at(10 + (i * 37) % 380, 10 + (i * 53) % 280), 0.0f);
        QCoreApplication::processEvents();
        const QImage& after = view->canvas().image();
        int changed = 0;
        for (int y = 0; y < after.height(); ++y)
            for (int x = 0; x < after.width(); ++x)
                if (after.pixel(x, y) != before.pixel(x, y)) {
                    ++changed;
                    ASSERT_TRUE(recorder.painted.contains(QPoint(x, y))) << x << "," << y;
                }
        EXPECT_GT(changed, 1000);
    }
}

} // namespace
