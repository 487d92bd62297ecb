// One mouse-painting sample on a shown 1024 x 768 paint view: a move event with a 32-pixel
// brush under eight-fold symmetry, then the repaint of what it touched. One turtle segment of a
// running program per pen size and symmetry mode.

#include "CPaintWindow.h"
#include "LanguageTables.h"

#include <QApplication>
#include <QMouseEvent>
#include <benchmark/benchmark.h>
#include <cmath>

namespace {

QApplication& application() {
    static int argc = 1;
    static char name[] = "bench_paint_view";
    static char* argv[] = {name, nullptr};
    if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    static QApplication app(argc, argv);
    return app;
}

// Counts the paint events, so the figure is known to include the repaints.
class PaintCounter : public QObject {
public:
    explicit PaintCounter(QWidget* watched) { watched->installEventFilter(this); }
    std::int64_t paints = 0;

protected:
    bool eventFilter(QObject* /*watched*/, QEvent* event) override {
        paints += event->type() == QEvent::Paint;
        return false;
    }
};

void sendMouse(CPaintWindow& view, QEvent::Type type, QPoint at, Qt::MouseButton button,
               Qt::MouseButtons buttons) {
    QMouseEvent event(type, QPointF(at), QPointF(view.mapToGlobal(at)), button, buttons,
                      Qt::NoModifier);
    QApplication::sendEvent(&view, &event);
}

void BM_MousePaintingSample(benchmark::State& run) {
    application();
    CPaintWindow::SetPaletteSource([] {
        PaletteSelection selection;
        selection.penWidth = 32;
        selection.symmetry = 8;
        selection.colour = RGBColour{0xFFFF, 0, 0};
        return selection;
    });
    CPaintWindow view;
    view.resize(1024, 768);
    view.show();
    QApplication::processEvents();
    PaintCounter counter(&view);

    // The pointer circles round the picture in 8-pixel steps, as a brisk drag does.
    const QPoint centre(512, 384);
    const double radius = 200.0;
    double angle = 0.0;
    const double step = 8.0 / radius;
    sendMouse(view, QEvent::MouseButtonPress, centre + QPoint(int(radius), 0), Qt::LeftButton,
              Qt::LeftButton);
    QApplication::processEvents();
    for (auto _ : run) {
        angle += step;
        const QPoint at = centre + QPoint(int(std::lround(radius * std::cos(angle))),
                                          int(std::lround(radius * std::sin(angle))));
        sendMouse(view, QEvent::MouseMove, at, Qt::NoButton, Qt::LeftButton);
        // The repaint of the dirty region, as the event loop would run it.
        QApplication::processEvents();
    }
    run.counters["paints/sample"] =
        benchmark::Counter(double(counter.paints), benchmark::Counter::kAvgIterations);
    sendMouse(view, QEvent::MouseButtonRelease, centre, Qt::LeftButton, Qt::NoButton);
    CPaintWindow::SetPaletteSource(nullptr);
}
BENCHMARK(BM_MousePaintingSample)->Unit(benchmark::kMicrosecond);

// Segments of 100 pixels turning 91 degrees each time, as a spiral's steps do, drawn by the
// paint view's turtle line on a shown view; the events are taken every 4096 segments, about as
// often as a full-speed run polls.
void BM_TurtleSegment(benchmark::State& run) {
    application();
    const auto width = static_cast<std::int16_t>(run.range(0));
    const auto symmetry = static_cast<std::int32_t>(run.range(1));
    CPaintWindow view;
    view.resize(1024, 768);
    view.show();
    QApplication::processEvents();
    view.setPenSize(width);
    view.setSymmetry(symmetry);
    int heading = 0;
    float x = 512.0f;
    float y = 384.0f;
    std::int64_t segments = 0;
    for (auto _ : run) {
        heading = (heading + 91) % 360;
        x += 100.0f * SineTable()[heading];
        y -= 100.0f * CosineTable()[heading];
        view.lineTurtleTo(Point::at(int(x), int(y)), float(heading));
        if ((++segments & 4095) == 0)
            QApplication::processEvents();
    }
    QApplication::processEvents();
    run.SetItemsProcessed(run.iterations());
}
BENCHMARK(BM_TurtleSegment)
    ->ArgNames({"pen", "symmetry"})
    ->ArgsProduct({{2, 4, 8, 16, 32}, {1, 8}})
    ->Unit(benchmark::kNanosecond);

} // namespace
