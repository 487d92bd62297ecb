#pragma once

// A node of the command chain. Keys and menu commands go to the target first and travel up
// through the super commanders to the application, the root; whatever nobody handles is ignored.

#include "CommandNumbers.h"
#include "LString.h"

#include <cstdint>
#include <memory>
#include <vector>

class LAction;
class LUndoer;
class QKeyEvent;

// What a commander answers about a menu command: enabled, a mark character (0 none, 18 the
// check mark) and, when nameChanged, a new item text.
struct CommandStatus {
    bool enabled = false;
    std::uint16_t mark = 0;
    bool nameChanged = false;
    LStr255 name;
};

class LCommander {
public:
    explicit LCommander(LCommander* superCommander = nullptr);
    virtual ~LCommander();
    LCommander(const LCommander&) = delete;
    LCommander& operator=(const LCommander&) = delete;

    LCommander* GetSuperCommander() const { return mSuper; }
    // Moves this commander under another one. When the old super commander owned it, the new
    // one owns it now (with null: nobody, and the caller must hold it).
    void SetSuperCommander(LCommander* superCommander);
    const std::vector<LCommander*>& GetSubCommanders() const { return mSubs; }

    // Takes ownership of a sub commander and makes this its super commander. Owned subs die
    // with this commander; the others are only detached.
    LCommander* AdoptSubCommander(std::unique_ptr<LCommander> sub);
    // Gives up ownership of an owned sub (it stays a sub); null when it was not owned.
    std::unique_ptr<LCommander> ReleaseSubCommander(LCommander* sub);
    bool OwnsSubCommander(const LCommander* sub) const;
    // True when this is the commander or lies below it.
    bool IsInChainOf(const LCommander* ancestor) const;
    // Leaves the chain: the target passes up, and when the super commander owns this one it is
    // deleted once control is back in the event loop (safe from inside its own handlers).
    void DetachAndDeleteLater();

    // The target receives keys and menu commands first. When the target dies the target
    // passes to its super commander.
    static LCommander* GetTarget();
    static void SwitchTarget(LCommander* newTarget);
    bool IsTarget() const { return GetTarget() == this; }

    // Handles a command here or passes it up. True when some commander handled it.
    virtual bool ObeyCommand(CommandT command, void* ioParam);
    // Answers a command-status question here or passes it up; the root answers with the
    // defaults (disabled unless a subclass says otherwise).
    virtual void FindCommandStatus(CommandT command, CommandStatus& status);
    // True when the key was handled here or above.
    virtual bool HandleKeyPress(const QKeyEvent& event);

    // Hands an undoable action to the chain: the first commander that has an undoer keeps it,
    // and the action it held before is deleted. Without any undoer the action is dropped.
    virtual void PostAction(std::unique_ptr<LAction> action);

    // Asked before a sub commander is removed (closing a window, for instance).
    virtual bool AllowSubRemoval(LCommander* sub);

    // Gives this commander the undo attachment of its part of the chain (command 11).
    void SetUndoer(std::unique_ptr<LUndoer> undoer);
    LUndoer* GetUndoer() const { return mUndoer.get(); }

    // Commands travel from the target, or from the application (the root) when there is no
    // target. Exceptions pass to the caller.
    static bool DispatchCommand(CommandT command, void* ioParam = nullptr);
    static CommandStatus DispatchCommandStatus(CommandT command);
    static bool DispatchKeyPress(const QKeyEvent& event);

private:
    LCommander* mSuper = nullptr;
    std::vector<LCommander*> mSubs;
    std::vector<std::unique_ptr<LCommander>> mOwnedSubs;
    std::unique_ptr<LUndoer> mUndoer;
};
