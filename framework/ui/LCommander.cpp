#include "LCommander.h"

#include "LAction.h"
#include "LApplication.h"
#include "LUndoer.h"

#include <QCoreApplication>
#include <QKeyEvent>
#include <QObject>
#include <algorithm>

namespace {

// The one target of the event thread.
LCommander*& currentTarget() {
    static LCommander* target = nullptr;
    return target;
}

// Holds a commander until Qt's deferred deletion runs, which waits for the event loop level
// the request was made at: a window is never deleted inside its own event.
class DeferredCommanderDeletion : public QObject {
public:
    explicit DeferredCommanderDeletion(std::unique_ptr<LCommander> commander)
        : mCommander(std::move(commander)) {}

private:
    std::unique_ptr<LCommander> mCommander;
};

void deleteLater(std::unique_ptr<LCommander> commander) {
    if (QCoreApplication::instance() == nullptr)
        return; // no loop will ever run: delete now
    auto holder = std::make_unique<DeferredCommanderDeletion>(std::move(commander));
    holder.release()->deleteLater(); // Qt owns it from here
}

} // namespace

LCommander::LCommander(LCommander* superCommander) {
    SetSuperCommander(superCommander);
}

LCommander::~LCommander() {
    // The target may be this commander or one below it; the duty passes up to what survives.
    if (LCommander* target = currentTarget(); target != nullptr && target->IsInChainOf(this))
        currentTarget() = mSuper;
    // Owned subs die first (each leaves mSubs on its way), the rest are only detached.
    while (!mOwnedSubs.empty()) {
        std::unique_ptr<LCommander> sub = std::move(mOwnedSubs.back());
        mOwnedSubs.pop_back();
        sub.reset();
    }
    for (LCommander* sub : mSubs)
        sub->mSuper = nullptr;
    mSubs.clear();
    if (mSuper != nullptr) {
        // Being deleted by someone else while the super commander thinks it owns us.
        if (std::unique_ptr<LCommander> self = mSuper->ReleaseSubCommander(this))
            (void)self.release();
    }
    SetSuperCommander(nullptr);
}

void LCommander::SetSuperCommander(LCommander* superCommander) {
    if (mSuper == superCommander)
        return;
    std::unique_ptr<LCommander> ownership;
    if (mSuper != nullptr) {
        ownership = mSuper->ReleaseSubCommander(this);
        auto& siblings = mSuper->mSubs;
        siblings.erase(std::remove(siblings.begin(), siblings.end(), this), siblings.end());
    }
    mSuper = superCommander;
    if (mSuper != nullptr) {
        mSuper->mSubs.push_back(this);
        if (ownership)
            mSuper->mOwnedSubs.push_back(std::move(ownership));
    }
    (void)ownership.release(); // with no new super the caller holds this commander
}

LCommander* LCommander::AdoptSubCommander(std::unique_ptr<LCommander> sub) {
    if (!sub)
        return nullptr;
    LCommander* raw = sub.get();
    if (raw->mSuper != this) {
        if (raw->mSuper != nullptr)
            (void)raw->mSuper->ReleaseSubCommander(raw).release(); // we own it now
        raw->SetSuperCommander(this);
    }
    if (!OwnsSubCommander(raw))
        mOwnedSubs.push_back(std::move(sub));
    else
        (void)sub.release(); // already held here
    return raw;
}

std::unique_ptr<LCommander> LCommander::ReleaseSubCommander(LCommander* sub) {
    auto it = std::find_if(mOwnedSubs.begin(), mOwnedSubs.end(),
                           [sub](const auto& owned) { return owned.get() == sub; });
    if (it == mOwnedSubs.end())
        return nullptr;
    std::unique_ptr<LCommander> released = std::move(*it);
    mOwnedSubs.erase(it);
    return released;
}

bool LCommander::OwnsSubCommander(const LCommander* sub) const {
    return std::any_of(mOwnedSubs.begin(), mOwnedSubs.end(),
                       [sub](const auto& owned) { return owned.get() == sub; });
}

bool LCommander::IsInChainOf(const LCommander* ancestor) const {
    for (const LCommander* c = this; c != nullptr; c = c->mSuper) {
        if (c == ancestor)
            return true;
    }
    return false;
}

void LCommander::DetachAndDeleteLater() {
    if (LCommander* target = currentTarget(); target != nullptr && target->IsInChainOf(this))
        currentTarget() = mSuper;
    std::unique_ptr<LCommander> self =
        mSuper != nullptr ? mSuper->ReleaseSubCommander(this) : nullptr;
    SetSuperCommander(nullptr);
    if (self)
        deleteLater(std::move(self));
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

// Where a dispatch starts: the target, or the application when none is set.
LCommander* dispatchStart() {
    if (LCommander* target = currentTarget())
        return target;
    return LApplication::GetCurrent();
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
