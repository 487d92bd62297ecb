#pragma once

// The application object on the offscreen platform, with a colour picker that counts its calls
// and file alerts that are collected, and a way to answer the real modal dialogs.

#include "CApplication.h"
#include "CDocument.h"
#include "CPaintWindow.h"
#include "FileAlert.h"
#include "LWindow.h"
#include "WidgetTestApplication.h"

#include <QAbstractButton>
#include <QApplication>
#include <QFile>
#include <QFileDialog>
#include <QLineEdit>
#include <QStandardPaths>
#include <QStringList>
#include <QTemporaryDir>
#include <QTimer>
#include <functional>
#include <gtest/gtest.h>
#include <memory>

namespace app_test {

// Once a modal dialog of type Dialog is open, hands it to answer (from the dialog's own loop).
template <typename Dialog>
void whenModal(std::function<void(Dialog*)> answer, int triesLeft = 200) {
    QTimer::singleShot(10, [answer = std::move(answer), triesLeft] {
        if (auto* dialog = qobject_cast<Dialog*>(QApplication::activeModalWidget()))
            answer(dialog);
        else if (triesLeft > 0)
            whenModal<Dialog>(answer, triesLeft - 1);
    });
}

// Answers the next file dialog with path (or cancels it when empty).
inline void answerFileDialog(const QString& path) {
    whenModal<QFileDialog>([path](QFileDialog* dialog) {
        if (path.isEmpty()) {
            dialog->reject();
            return;
        }
        // Typed into the name field, as a user does.
        auto* name = dialog->findChild<QLineEdit*>(QStringLiteral("fileNameEdit"));
        ASSERT_NE(name, nullptr);
        name->setText(path);
        static_cast<QDialog*>(dialog)->accept(); // as its Save button does
    });
}
// Replaces the file at path with bytes; false when it cannot be written.
inline bool writeFile(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    return file.open(QIODevice::WriteOnly | QIODevice::Truncate) &&
           file.write(bytes) == bytes.size();
}

class ApplicationTest : public ::testing::Test {
protected:
    void SetUp() override {
        QStandardPaths::setTestModeEnabled(true);
        widgetTestApplication();
        ASSERT_TRUE(settingsFolder.isValid());
        makeApplication();
        SetFileAlertHandler(
            [this](const QString& what, const QString& why) { alerts << what + why; });
    }
    void TearDown() override {
        SetFileAlertHandler(nullptr);
        application.reset();
        QCoreApplication::processEvents();
    }

    // A new application on the settings file, with the counting colour picker.
    void makeApplication() {
        application.reset();
        application = std::make_unique<CApplication>(settingsPath());
        application->SetColourPicker([this](const RGBColour&) {
            ++pickerCalls;
            return std::optional<RGBColour>();
        });
    }
    CPaintWindow* newPicture() {
        application->ObeyCommand(cmd_New, nullptr);
        QCoreApplication::processEvents();
        return application->FrontCPaintWindow();
    }
    CDocument* frontDocument() {
        auto documents = application->GetDocuments();
        return documents.empty() ? nullptr : static_cast<CDocument*>(documents.back());
    }

    // A palette button's click passes a pointer to the button's value.
    bool clickButton(CommandT command) {
        int value = 1;
        return application->ObeyCommand(command, &value);
    }

    QString settingsPath() const {
        return settingsFolder.filePath(QStringLiteral("settings.json"));
    }

    QTemporaryDir settingsFolder;
    std::unique_ptr<CApplication> application;
    int pickerCalls = 0;
    QStringList alerts;
};

} // namespace app_test
