#include "CProgramWindow.h"

#include "CTextEditView.h"

#include <QMouseEvent>

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
