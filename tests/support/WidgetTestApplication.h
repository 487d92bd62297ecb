#pragma once

// The one offscreen widget application of a test executable, with guarded event delivery. A
// Google Test environment ends it after the last test, before the process's exit handlers run
// (Qt's own globals are gone by then, and a later teardown crashes).

#include "LEventGuard.h"

#include <QCoreApplication>
#include <gtest/gtest.h>
#include <memory>

struct WidgetTestApplicationEnvironment : ::testing::Environment {
    LGuardedApplication& application() {
        if (!mApplication) {
            if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
                qputenv("QT_QPA_PLATFORM", "offscreen");
            mApplication = std::make_unique<LGuardedApplication>(mArgc, mArgv);
        }
        return *mApplication;
    }
    void TearDown() override { mApplication.reset(); }
    int mArgc = 1;
    char mName[24] = "turtlescope-test";
    char* mArgv[2] = {mName, nullptr};
    std::unique_ptr<LGuardedApplication> mApplication;
};

inline LGuardedApplication& widgetTestApplication() {
    // Google Test owns the environment.
    static auto* environment =
        ::testing::AddGlobalTestEnvironment(new WidgetTestApplicationEnvironment);
    return static_cast<WidgetTestApplicationEnvironment*>(environment)->application();
}
