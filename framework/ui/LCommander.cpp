#include "LCommander.h"

#include "LAction.h"
#include "LUndoer.h"

#include <QKeyEvent>
#include <algorithm>

namespace {

// The one target of the event thread.
LCommander*& currentTarget() {
    static LCommander* target = nullptr;
    return target;
}

} // namespace

LCommander::LCommander(LCommander* superCommander) {
    SetSuperCommander(superCommander);
}

LCommander::~LCommander() {
    // The target may be this commander or one below it; the duty passes up to what survives.
    if (LCommander* target = currentTarget()) {
        for (LCommander* c = target; c != nullptr; c = c->mSuper) {
            if (c == this) {
                currentTarget() = mSuper;
                break;
            }
        }
    }
    for (LCommander* sub : mSubs)
        sub->mSuper = nullptr;
    mSubs.clear();
    SetSuperCommander(nullptr);
}

void LCommander::SetSuperCommander(LCommander* superCommander) {
    if (mSuper == superCommander)
        return;
    if (mSuper != nullptr) {
        auto& siblings = mSuper->mSubs;
        siblings.erase(std::remove(siblings.begin(), siblings.end(), this), siblings.end());
    }
    mSuper = superCommander;
    if (mSuper != nullptr)
        mSuper->mSubs.push_back(this);
}

LCommander* LCommander::GetTarget() {
    return currentTarget();
}

void LCommander::SwitchTarget(LCommander* newTarget) {
    currentTarget() = newTarget;
}

bool LCommander::ObeyCommand(CommandT command, void* ioParam) {
    if (mUndoer && mUndoer->ObeyCommand(command))
        return true;
    return mSuper != nullptr && mSuper->ObeyCommand(command, ioParam);
}

void LCommander::FindCommandStatus(CommandT command, CommandStatus& status) {
    if (mUndoer && mUndoer->FindCommandStatus(command, status))
        return;
    if (mSuper != nullptr)
        mSuper->FindCommandStatus(command, status);
}

bool LCommander::HandleKeyPress(const QKeyEvent& event) {
    return mSuper != nullptr && mSuper->HandleKeyPress(event);
}

void LCommander::PostAction(std::unique_ptr<LAction> action) {
    if (mUndoer) {
        mUndoer->PostAction(std::move(action));
        return;
    }
    if (mSuper != nullptr)
        mSuper->PostAction(std::move(action));
}

bool LCommander::AllowSubRemoval(LCommander* /*sub*/) {
    return true;
}

void LCommander::SetUndoer(std::unique_ptr<LUndoer> undoer) {
    mUndoer = std::move(undoer);
}

namespace {

// Where a dispatch starts: the target, or the root above any commander when none is set.
LCommander* dispatchStart() {
    return currentTarget();
}

} // namespace

bool LCommander::DispatchCommand(CommandT command, void* ioParam) {
    LCommander* start = dispatchStart();
    return start != nullptr && start->ObeyCommand(command, ioParam);
}

CommandStatus LCommander::DispatchCommandStatus(CommandT command) {
    CommandStatus status;
    if (LCommander* start = dispatchStart())
        start->FindCommandStatus(command, status);
    return status;
}

bool LCommander::DispatchKeyPress(const QKeyEvent& event) {
    LCommander* start = dispatchStart();
    return start != nullptr && start->HandleKeyPress(event);
}
