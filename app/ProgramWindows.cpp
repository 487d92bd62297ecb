#include "ProgramWindows.h"

LCommander* MakeProgramWindow(LCommander*) {
    return nullptr;
}

LWindow* OpenProgramWindow(LCommander*, const FileLocation&) {
    return nullptr;
}

bool ConfirmCloseProgramWindows() {
    return true;
}

std::vector<QString> KeywordMenuWords(MenuIDT) {
    return {};
}

CommandT KeywordMenuCommand(MenuIDT, int) {
    return cmd_Nothing;
}
