#pragma once

// The rest of the application's input while the paint view paints a stroke. The stroke takes
// no events itself until it ends: keys (and the menu commands bound to them) wait for the end
// of a held stroke and then act; in release-to-start mode they are dropped, and any press, of
// any button, anywhere in the application, ends the painting and goes nowhere else.

#include <QKeyEvent>
#include <QObject>
#include <QPointer>
#include <functional>
#include <memory>
#include <vector>

class StrokeInput : public QObject {
public:
    StrokeInput() = default;
    ~StrokeInput() override;
    StrokeInput(const StrokeInput&) = delete;
    StrokeInput& operator=(const StrokeInput&) = delete;

    // A stroke begins: keys are held (holdKeys) or dropped.
    void begin(bool holdKeys);
    // From now on a press ends the stroke: it calls endStroke, and the press and its release
    // are consumed.
    void endOnPress(std::function<void()> endStroke);
    // The stroke has ended: held keys are delivered from the event loop.
    void finish();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    struct HeldKey {
        QPointer<QWidget> receiver;
        std::unique_ptr<QKeyEvent> event;
    };

    void install();
    void uninstall();
    static void deliver(const HeldKey& key);

    bool mInstalled = false;
    bool mActive = false;
    bool mHoldKeys = false;
    std::function<void()> mEndStroke;
    Qt::MouseButtons mReleasesToSwallow;
    std::vector<HeldKey> mHeldKeys;
};
