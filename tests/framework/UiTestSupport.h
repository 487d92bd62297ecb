#pragma once

// What the framework's widget tests share: one offscreen application whose event delivery is
// guarded, and a fixture that leaves no target, window or registration behind.

#include "LCommander.h"
#include "LWindow.h"
#include "WidgetTestApplication.h"

// Runs the deferred deletions of closed windows and documents.
inline void flushDeferredDeletes() {
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

struct UiTest : ::testing::Test {
    void SetUp() override { widgetTestApplication(), LCommander::SwitchTarget(nullptr); }
    void TearDown() override { flushDeferredDeletes(), LCommander::SwitchTarget(nullptr); }
};
