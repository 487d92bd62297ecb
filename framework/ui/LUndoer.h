#pragma once

// The undo attachment of a commander: holds the last posted action and answers command 11.

#include "LCommander.h"

#include <memory>

class LAction;

class LUndoer {
public:
    LUndoer();
    ~LUndoer();
    LUndoer(const LUndoer&) = delete;
    LUndoer& operator=(const LUndoer&) = delete;

    // Replaces and deletes the held action.
    void PostAction(std::unique_ptr<LAction> action);
    LAction* GetAction() const { return mAction.get(); }

    // Command 11: undo or redo, whichever the held action allows. True when handled.
    bool ObeyCommand(CommandT command);
    // Enabled with the action's text when it can undo or redo, else disabled with
    // 'STR#' 151 item 1. True when the command was answered here.
    bool FindCommandStatus(CommandT command, CommandStatus& status) const;

private:
    std::unique_ptr<LAction> mAction;
};

constexpr std::int16_t kUndoStringsID = 151;
