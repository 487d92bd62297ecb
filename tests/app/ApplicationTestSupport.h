#pragma once

// The application object on the offscreen platform, with a colour picker that answers what
// the test says.

#include "CApplication.h"
#include "CDocument.h"
#include "CPaintWindow.h"
#include "LWindow.h"
#include "WidgetTestApplication.h"

#include <gtest/gtest.h>
#include <memory>

namespace app_test {

class ApplicationTest : public ::testing::Test {
protected:
    void SetUp() override {
        widgetTestApplication();
        application = std::make_unique<CApplication>();
        application->SetColourPicker([this](const RGBColour& initial) {
            ++pickerCalls;
            pickerInitial = initial;
            return pickerAnswer;
        });
    }
    void TearDown() override {
        application.reset();
        QCoreApplication::processEvents();
    }

    CPaintWindow* newPicture() {
        application->ObeyCommand(cmd_New, nullptr);
        QCoreApplication::processEvents();
        return application->FrontCPaintWindow();
    }

    // A palette button's click passes a pointer to the button's value.
    bool clickButton(CommandT command) {
        int value = 1;
        return application->ObeyCommand(command, &value);
    }

    std::unique_ptr<CApplication> application;
    int pickerCalls = 0;
    RGBColour pickerInitial;
    std::optional<RGBColour> pickerAnswer;
};

} // namespace app_test
