#pragma once

// A real paint view on the offscreen platform under a commander with an undoer, and mouse
// and key events sent to it as the window system would.

#include "CPaintWindow.h"
#include "LUndoer.h"
#include "WidgetTestApplication.h"

#include <QApplication>
#include <QMouseEvent>
#include <QTest>
#include <gtest/gtest.h>
#include <memory>
#include <string>
#include <vector>

namespace paint_view_test {

// The painting flags the views of a test read at each click.
inline PaintingModes& testModes() {
    static PaintingModes modes;
    return modes;
}
inline PaintingModes readTestModes() {
    return testModes();
}

constexpr RGBColour kRed{0xFFFF, 0, 0};

class PaintViewTest : public ::testing::Test {
protected:
    static constexpr int kWidth = 400;
    static constexpr int kHeight = 300;

    void SetUp() override {
        widgetTestApplication();
        testModes() = PaintingModes{};
        CPaintWindow::SetModesSource(&readTestModes);
        CPaintWindow::SetPaletteSource(nullptr);
        root = std::make_unique<LCommander>();
        root->SetUndoer(std::make_unique<LUndoer>());
        view = std::make_unique<CPaintWindow>(nullptr, root.get());
        view->resize(kWidth, kHeight);
        view->show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(view.get()));
        LCommander::SwitchTarget(view.get());
    }

    void TearDown() override {
        view.reset();
        root.reset();
        CPaintWindow::SetModesSource(nullptr);
    }

    void send(QEvent::Type type, QPoint at, Qt::MouseButton button, Qt::MouseButtons buttons,
              Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
        QMouseEvent event(type, QPointF(at), QPointF(view->mapToGlobal(at)), button, buttons,
                          modifiers);
        QApplication::sendEvent(view.get(), &event);
    }
    void press(QPoint at, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
        send(QEvent::MouseButtonPress, at, Qt::LeftButton, Qt::LeftButton, modifiers);
    }
    void drag(QPoint to, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
        send(QEvent::MouseMove, to, Qt::NoButton, Qt::LeftButton, modifiers);
    }
    void hover(QPoint to) { send(QEvent::MouseMove, to, Qt::NoButton, Qt::NoButton); }
    void release(QPoint at, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
        send(QEvent::MouseButtonRelease, at, Qt::LeftButton, Qt::NoButton, modifiers);
    }

    bool undo() { return LCommander::DispatchCommand(cmd_Undo); }

    RGBColour at(int h, int v) const { return view->canvas().pixel(h, v); }
    bool isInk(int h, int v) const { return !(at(h, v) == kWhite); }
    // '1' for each point with ink, '0' for each white one.
    std::string inkAt(const std::vector<QPoint>& points) const {
        std::string marks;
        for (const QPoint& p : points)
            marks += isInk(p.x(), p.y()) ? '1' : '0';
        return marks;
    }

    // The canvas pixels as they stand, to compare whole pictures.
    QImage picture() const { return view->canvas().image().copy(); }

    // The view as the screen shows it.
    QImage screen() { return view->grab().toImage().convertToFormat(QImage::Format_RGB32); }
    // Screen pixels [x0, x1) of row y: 'b' black, 'r' red, '.' white, 'x' anything else.
    std::string screenRow(int y, int x0, int x1) {
        const QImage shown = screen();
        std::string row;
        for (int x = x0; x < x1; ++x) {
            const QRgb c = shown.pixel(x, y) & 0xFFFFFFU;
            row += c == 0 ? 'b' : c == 0xFF0000U ? 'r' : c == 0xFFFFFFU ? '.' : 'x';
        }
        return row;
    }

    std::unique_ptr<LCommander> root;
    std::unique_ptr<CPaintWindow> view;
};

} // namespace paint_view_test
