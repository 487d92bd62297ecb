#pragma once

// An undoable change. Its description is an item of a string list; the done flag is 1 while the
// change is in force.

#include "LString.h"

#include <cstdint>

class LAction {
public:
    LAction(std::int16_t stringListID, std::int16_t stringIndex, bool alreadyDone = true);
    virtual ~LAction();
    LAction(const LAction&) = delete;
    LAction& operator=(const LAction&) = delete;

    virtual bool CanUndo() const;
    virtual bool CanRedo() const;
    // Run the step and flip the done flag, whether or not the step could run.
    void Undo();
    void Redo();
    // Actions that are finished on posting (no undo at all) answer false.
    virtual bool IsPostable() const { return true; }

    bool IsDone() const { return mIsDone; }
    // The description item from the resources.
    LStr255 GetDescription() const;
    std::int16_t GetStringListID() const { return mStringListID; }
    std::int16_t GetStringIndex() const { return mStringIndex; }

protected:
    virtual void UndoSelf() {}
    virtual void RedoSelf() {}

private:
    std::int16_t mStringListID;
    std::int16_t mStringIndex;
    bool mIsDone;
};
