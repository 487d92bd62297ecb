#include "LUndoer.h"

#include "LAction.h"
#include "ResourceChain.h"

LUndoer::LUndoer() = default;
LUndoer::~LUndoer() = default;

void LUndoer::PostAction(std::unique_ptr<LAction> action) {
    if (action && !action->IsPostable())
        return;
    mAction = std::move(action);
}

bool LUndoer::ObeyCommand(CommandT command) {
    if (command != cmd_Undo)
        return false;
    if (mAction) {
        if (mAction->CanUndo())
            mAction->Undo();
        else if (mAction->CanRedo())
            mAction->Redo();
    }
    return true;
}

bool LUndoer::FindCommandStatus(CommandT command, CommandStatus& status) const {
    if (command != cmd_Undo)
        return false;
    status.nameChanged = true;
    if (mAction && (mAction->CanUndo() || mAction->CanRedo())) {
        status.enabled = true;
        // 'STR#' 151 item 2 is the undo word, item 3 the redo word; the action names the change.
        const int wordIndex = mAction->CanUndo() ? 2 : 3;
        LStr255 text = InterfaceString(
            TheResourceChain().GetIndString(kStringListType, kUndoStringsID, wordIndex));
        text.append(" ");
        text.append(InterfaceString(mAction->GetDescription()).view());
        status.name = text;
    } else {
        status.enabled = false;
        status.name =
            InterfaceString(TheResourceChain().GetIndString(kStringListType, kUndoStringsID, 1));
    }
    return true;
}
