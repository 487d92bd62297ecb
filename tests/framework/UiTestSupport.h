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
#include <memory>

// Ends the application when the test run ends, before the process's own exit handlers run
// (Qt's globals are gone by then).
class UiTestApplicationEnvironment : public ::testing::Environment {
public:
    LGuardedApplication& application() {
        if (!mApplication) {
            if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
                qputenv("QT_QPA_PLATFORM", "offscreen");
            mApplication = std::make_unique<LGuardedApplication>(mArgc, mArgv);
        }
        return *mApplication;
    }
    void TearDown() override { mApplication.reset(); }

private:
    int mArgc = 1;
    char mName[16] = "test_framework";
    char* mArgv[2] = {mName, nullptr};
    std::unique_ptr<LGuardedApplication> mApplication;
};

inline LGuardedApplication& uiTestApplication() {
    // gtest owns the environment and tears it down at the end of the run.
    static auto* environment =
        ::testing::AddGlobalTestEnvironment(new UiTestApplicationEnvironment);
    return static_cast<UiTestApplicationEnvironment*>(environment)->application();
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
