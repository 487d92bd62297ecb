#pragma once

// A program window under the real application object (which is also the runs' host), and a
// helper that answers the next modal dialog the way a user would.

#include "CApplication.h"
#include "CPaintWindow.h"
#include "CProgramWindow.h"
#include "CTextEditView.h"
#include "EditorViews.h"
#include "LanguageTables.h"
#include "ResourceChain.h"
#include "WidgetTestApplication.h"

#include <QApplication>
#include <QPointer>
#include <QStandardPaths>
#include <QTest>
#include <QTimer>
#include <functional>
#include <gtest/gtest.h>
#include <memory>

namespace editor_test {

// Calls answer with each modal widget that comes up while it lives; answer must end the
// dialog. Counts the calls.
class ModalAnswer {
public:
    explicit ModalAnswer(std::function<void(QWidget*)> answer) : mAnswer(std::move(answer)) {
        QObject::connect(&mTimer, &QTimer::timeout, [this] {
            QWidget* modal = QApplication::activeModalWidget();
            if (modal == nullptr || !modal->isVisible() || modal == mAnswered)
                return;
            mAnswered = modal;
            ++calls;
            mAnswer(modal);
        });
        mTimer.start(20);
    }
    int calls = 0;

private:
    std::function<void(QWidget*)> mAnswer;
    QTimer mTimer;
    QPointer<QWidget> mAnswered;
};

class EditorTest : public ::testing::Test {
protected:
    void SetUp() override {
        widgetTestApplication();
        QStandardPaths::setTestModeEnabled(true);
        InitLanguageTablesFrom(ResourceChain(LoadApplicationResources()));
        application = std::make_unique<CApplication>();
        RegisterEditorViews();
        window = CProgramWindow::MakeProgramWindow(application.get());
        ASSERT_NE(window, nullptr);
        editor = window->TextView();
        ASSERT_NE(editor, nullptr);
    }
    void TearDown() override {
        application.reset();
        QCoreApplication::processEvents();
    }

    void setText(const QString& text) {
        editor->SetTextQuietly(text);
        editor->moveCursor(QTextCursor::End);
    }

    CPaintWindow* newPicture() {
        application->ObeyCommand(cmd_New, nullptr);
        QCoreApplication::processEvents();
        return application->FrontCPaintWindow();
    }

    std::unique_ptr<CApplication> application;
    CProgramWindow* window = nullptr;
    CTextEditView* editor = nullptr;
};

} // namespace editor_test
