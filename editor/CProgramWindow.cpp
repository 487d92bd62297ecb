#include "CProgramWindow.h"

#include "CTextEditView.h"
#include "EditorCommands.h"
#include "StartingPace.h"
#include "VariablesWindow.h"

#include <QBoxLayout>
#include <QCoreApplication>
#include <QGuiApplication>
#include <QMouseEvent>
#include <QScreen>

CProgramWindow::CProgramWindow(LCommander* superCommander) : LWindow(superCommander) {}

CProgramWindow* CProgramWindow::MakeProgramWindow(LCommander* superCommander) {
    auto* window = dynamic_cast<CProgramWindow*>(
        LWindow::CreateWindow(kProgramWindowResource, superCommander));
    if (window == nullptr)
        return nullptr;
    window->Select();
    if (CTextEditView* editor = window->TextView())
        editor->BecomeTarget();
    return window;
}

CTextEditView* CProgramWindow::TextView() const {
    return dynamic_cast<CTextEditView*>(FindPaneByID(CTextEditView::kTextPaneID));
}

std::vector<CProgramWindow*> CProgramWindow::ProgramWindows() {
    std::vector<CProgramWindow*> windows;
    for (LWindow* window : WindowsInActivationOrder()) {
        if (auto* program = dynamic_cast<CProgramWindow*>(window); program && program->isVisible())
            windows.push_back(program);
    }
    return windows;
}

void CProgramWindow::FinishCreateSelf() {
    if (CTextEditView* editor = TextView())
        SetLatentSub(editor);
    // The pace bar above the text.
    QWidget* content = centralWidget();
    if (auto* box = content ? qobject_cast<QBoxLayout*>(content->layout()) : nullptr) {
        mPace = new StartingPaceControl(this);
        box->insertWidget(0, mPace);
        std::int32_t level = kDefaultStartingPace;
        if (LCommander* super = GetSuperCommander())
            super->ObeyCommand(EditorCommand::kStartingPace, &level);
        mPace->ShowLevel(level);
        connect(mPace, &StartingPaceControl::levelChosen, this, [this](std::int32_t chosen) {
            if (LCommander* super = GetSuperCommander())
                super->ObeyCommand(EditorCommand::kSetStartingPace, &chosen);
            if (CTextEditView* editor = TextView())
                editor->BecomeTarget();
        });
    }
}

void CProgramWindow::ShowStartingPace(std::int32_t level) {
    if (mPace)
        mPace->ShowLevel(level);
}

VariablesWindow* CProgramWindow::Variables(bool create) {
    if (!mVariables && create)
        mVariables = new VariablesWindow(this);
    return mVariables;
}

void CProgramWindow::ShowVariablesWindow() {
    VariablesWindow* variables = Variables(true);
    variables->setWindowTitle(
        QCoreApplication::translate("VariablesWindow", "Variables of %1").arg(windowTitle()));
    if (!variables->isVisible()) {
        // Beside the program window, on the right if the screen has room there, else on the left.
        const QRect frame = frameGeometry();
        const QScreen* screen = this->screen() ? this->screen() : QGuiApplication::primaryScreen();
        const QRect room = screen ? screen->availableGeometry() : QRect();
        QPoint at(frame.right() + 8, frame.top());
        if (room.isValid() && at.x() + variables->width() > room.right())
            at.setX(std::max(room.left(), frame.left() - variables->frameGeometry().width() - 8));
        variables->move(at);
    }
    variables->show();
    variables->raise();
}

void CProgramWindow::AttemptClose() {
    if (CTextEditView* editor = TextView(); editor != nullptr && !editor->ConfirmSaveProgram())
        return;
    LWindow::AttemptClose();
}

void CProgramWindow::mousePressEvent(QMouseEvent* event) {
    if (CTextEditView* editor = TextView())
        editor->BecomeTarget();
    LWindow::mousePressEvent(event);
}

void CProgramWindow::ActivateSelf() {
    LWindow::ActivateSelf();
    if (CTextEditView* editor = TextView())
        editor->BecomeTarget();
}
