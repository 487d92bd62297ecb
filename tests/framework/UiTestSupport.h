#pragma once

// What the framework's widget tests share: one offscreen application whose event delivery is
// guarded, and a fixture that leaves no target, window or registration behind.

#include "LCommander.h"
#include "LEventGuard.h"
#include "LWindow.h"

#include <QCoreApplication>
#include <QEvent>
#include <cstdlib>
#include <gtest/gtest.h>

inline LGuardedApplication& uiTestApplication() {
    static int argc = 1;
    static char name[] = "test_framework";
    static char* argv[] = {name, nullptr};
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    static LGuardedApplication application(argc, argv);
    return application;
}

// Runs the deferred deletions of closed windows and documents.
inline void flushDeferredDeletes() {
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

class UiTest : public ::testing::Test {
protected:
    void SetUp() override {
        uiTestApplication();
        LCommander::SwitchTarget(nullptr);
    }
    void TearDown() override {
        flushDeferredDeletes();
        LCommander::SwitchTarget(nullptr);
    }
};
