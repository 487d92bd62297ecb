#include "ProgramWindows.h"

#include "CProgramWindow.h"
#include "CTextEditView.h"
#include "EditorCommands.h"
#include "EditorTranslation.h"
#include "KeywordMenus.h"
#include "StartingPace.h"

LCommander* MakeProgramWindow(LCommander* superCommander) {
    return CProgramWindow::MakeProgramWindow(superCommander);
}

LWindow* OpenProgramWindow(LCommander* superCommander, const FileLocation& location) {
    CProgramWindow* window = CProgramWindow::MakeProgramWindow(superCommander);
    if (window == nullptr)
        return nullptr;
    CTextEditView* text = window->TextView();
    if (text == nullptr)
        return nullptr;
    text->SetProgramFile(location);
    if (!text->LoadProgramFile()) {
        window->DoClose(); // the editor has said why; no empty window stays behind
        return nullptr;
    }
    return window;
}

bool ConfirmCloseProgramWindows() {
    for (CProgramWindow* window : CProgramWindow::ProgramWindows()) {
        CTextEditView* text = window->TextView();
        if (text == nullptr || !text->programDirty())
            continue;
        window->Select();
        if (!text->ConfirmSaveProgram())
            return false;
    }
    return true;
}

std::vector<QString> KeywordMenuWords(MenuIDT menuID) {
    return KeywordMenuItems(menuID);
}

CommandT KeywordMenuCommand(MenuIDT menuID, int item) {
    return SyntheticCommand(menuID, item);
}

CommandT ShowVariablesCommand() {
    return EditorCommand::kShowVariables;
}

MenuIDT TranslateMenuID() {
    return kTranslateMenuID;
}

std::vector<QString> TranslateMenuWords() {
    return TranslateMenuItems();
}

CommandT StartingPaceCommand() {
    return EditorCommand::kStartingPace;
}

CommandT SetStartingPaceCommand() {
    return EditorCommand::kSetStartingPace;
}

std::int32_t ValidPace(std::int32_t level) {
    return ValidStartingPace(level);
}

void ShowStartingPaceEverywhere(std::int32_t level) {
    for (CProgramWindow* window : CProgramWindow::ProgramWindows())
        window->ShowStartingPace(level);
}
