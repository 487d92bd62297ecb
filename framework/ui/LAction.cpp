#include "LAction.h"

#include "ResourceChain.h"

LAction::LAction(std::int16_t stringListID, std::int16_t stringIndex, bool alreadyDone)
    : mStringListID(stringListID), mStringIndex(stringIndex), mIsDone(alreadyDone) {}

LAction::~LAction() = default;

bool LAction::CanUndo() const {
    return mIsDone;
}

bool LAction::CanRedo() const {
    return !mIsDone;
}

void LAction::Undo() {
    if (CanUndo())
        UndoSelf();
    mIsDone = false;
}

void LAction::Redo() {
    if (CanRedo())
        RedoSelf();
    mIsDone = true;
}

LStr255 LAction::GetDescription() const {
    return TheResourceChain().GetIndString(kStringListType, mStringListID, mStringIndex);
}
