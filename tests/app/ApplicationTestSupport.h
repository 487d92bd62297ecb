#pragma once

// The application object on the offscreen platform with its settings and files in a temporary
// folder, a colour picker that counts its calls and file alerts that are collected; a program
// window for the editor; and a user who answers the real modal dialogs.

#include "ApplicationCommands.h"
#include "CApplication.h"
#include "CDocument.h"
#include "CHideWindow.h"
#include "CPaintWindow.h"
#include "CProgramWindow.h"
#include "CTextEditView.h"
#include "EditorCommands.h"
#include "FileAlert.h"
#include "KeywordMenus.h"
#include "LanguageTables.h"
#include "ResourceChain.h"
#include "WidgetTestApplication.h"

#include <QAbstractButton>
#include <QClipboard>
#include <QFileDialog>
#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QScreen>
#include <QStandardPaths>
#include <QTest>
#include <algorithm>

// Texts in failure messages as text.
inline void PrintTo(const QString& text, std::ostream* out) {
    *out << '"' << text.toStdString() << '"';
}

using Answer = std::function<void(QWidget*)>;

// Answers the modal dialogs that come up while it lives, one answer each in order, and counts
// them; an answer left unused at its end fails the test. A dialog too many, or one its answer
// does not end, fails the test and is closed, so that a fault never hangs it.
class ModalAnswers {
public:
    explicit ModalAnswers(std::vector<Answer> answers) : mAnswers(std::move(answers)) {
        mTimer.callOnTimeout([this] {
            QWidget* modal = QApplication::activeModalWidget();
            if (modal == nullptr || !modal->isVisible())
                return;
            // A dialog answered before may come back to the front when one it opened closes.
            const bool answered = std::ranges::any_of(
                mAnswered, [modal](const QPointer<QWidget>& seen) { return seen == modal; });
            if (!answered && shown < static_cast<int>(mAnswers.size())) {
                mAnswered.emplace_back(modal);
                mWaits = 0;
                // Later, so that a dialog the answer opens is answered in its turn.
                QTimer::singleShot(
                    0, modal, [modal, answer = mAnswers[std::size_t(shown++)]] { answer(modal); });
            } else if (++mWaits > 200) { // two seconds: a loaded machine is slow
                ADD_FAILURE() << "unanswered: " << modal->metaObject()->className();
                if (auto* dialog = qobject_cast<QDialog*>(modal))
                    dialog->done(QDialog::Rejected);
            }
        });
        mTimer.start(10);
    }
    ~ModalAnswers() { EXPECT_EQ(shown, static_cast<int>(mAnswers.size())) << "dialogs shown"; }
    int shown = 0;

private:
    std::vector<Answer> mAnswers;
    QTimer mTimer;
    std::vector<QPointer<QWidget>> mAnswered;
    int mWaits = 0;
};

// Notes a message box's texts, then presses the button (none: the Return key, as for an alert).
inline Answer readThenPress(QStringList& texts,
                            QMessageBox::StandardButton button = QMessageBox::NoButton) {
    return [&texts, button](QWidget* modal) {
        auto* box = qobject_cast<QMessageBox*>(modal);
        ASSERT_NE(box, nullptr) << "the standard alert form";
        texts << box->text() << box->informativeText();
        if (button == QMessageBox::NoButton)
            return QTest::keyClick(box, Qt::Key_Return);
        ASSERT_NE(box->button(button), nullptr);
        QTest::mouseClick(box->button(button), Qt::LeftButton);
    };
}

inline Answer press(QMessageBox::StandardButton button) {
    return [button](QWidget* modal) {
        QStringList texts;
        readThenPress(texts, button)(modal);
    };
}

// Types path into a file dialog's name field, as a user does, and accepts; empty cancels.
inline Answer fileName(const QString& path) {
    return [path](QWidget* modal) {
        auto* dialog = qobject_cast<QFileDialog*>(modal);
        ASSERT_NE(dialog, nullptr);
        if (path.isEmpty())
            return dialog->reject();
        dialog->findChild<QLineEdit*>(QStringLiteral("fileNameEdit"))->setText(path);
        static_cast<QDialog*>(dialog)->accept(); // as its Save button does
    };
}

inline bool writeFile(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    return file.open(QIODevice::WriteOnly | QIODevice::Truncate) &&
           file.write(bytes) == bytes.size();
}

inline QByteArray readFile(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

class ApplicationTest : public ::testing::Test {
protected:
    void SetUp() override {
        QStandardPaths::setTestModeEnabled(true);
        widgetTestApplication();
        ASSERT_TRUE(folder.isValid());
        InitLanguageTablesFrom(ResourceChain(LoadApplicationResources()));
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
        application = std::make_unique<CApplication>(path("settings.json"));
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
    QString path(const char* name) const { return folder.filePath(QString::fromUtf8(name)); }

    QTemporaryDir folder;
    std::unique_ptr<CApplication> application;
    int pickerCalls = 0;
    QStringList alerts;
};

// A program window in front, its text view the target.
class EditorTest : public ApplicationTest {
protected:
    void SetUp() override {
        ApplicationTest::SetUp();
        window = CProgramWindow::MakeProgramWindow(application.get());
        ASSERT_NE(window, nullptr);
        editor = window->TextView();
    }
    void setText(const QString& text) {
        editor->SetTextQuietly(text);
        editor->moveCursor(QTextCursor::End);
    }

    CProgramWindow* window = nullptr;
    CTextEditView* editor = nullptr;
};
