// The command chain: dispatch from the target, status answers, posted actions, undo, and what
// happens to the target and the sub commanders when commanders die.

#include "LAction.h"
#include "LCommander.h"
#include "LUndoer.h"
#include "UiTestSupport.h"

#include <memory>
#include <vector>

namespace {

// Records which commanders saw a command; handles only its own commands.
class RecordingCommander : public LCommander {
public:
    RecordingCommander(LCommander* super, std::vector<CommandT> handled, std::vector<int>* log,
                       int name)
        : LCommander(super), mHandled(std::move(handled)), mLog(log), mName(name) {}

    bool ObeyCommand(CommandT command, void* ioParam) override {
        mLog->push_back(mName);
        for (CommandT c : mHandled) {
            if (c == command) {
                lastParam = ioParam;
                return true;
            }
        }
        return LCommander::ObeyCommand(command, ioParam);
    }
    void FindCommandStatus(CommandT command, CommandStatus& status) override {
        for (CommandT c : mHandled) {
            if (c == command) {
                status.enabled = true;
                status.mark = mark;
                return;
            }
        }
        LCommander::FindCommandStatus(command, status);
    }

    void* lastParam = nullptr;
    std::uint16_t mark = 0;

private:
    std::vector<CommandT> mHandled;
    std::vector<int>* mLog;
    int mName;
};

struct ActionCounts {
    int undone = 0;
    int redone = 0;
    int destroyed = 0;
};

class CountingAction : public LAction {
public:
    explicit CountingAction(ActionCounts& counts) : LAction(150, 2), mCounts(counts) {}
    ~CountingAction() override { ++mCounts.destroyed; }

protected:
    void UndoSelf() override { ++mCounts.undone; }
    void RedoSelf() override { ++mCounts.redone; }

private:
    ActionCounts& mCounts;
};

// Counts its own deaths.
struct Dying : LCommander {
    Dying(LCommander* super, int& deaths) : LCommander(super), mDeaths(deaths) {}
    ~Dying() override { ++mDeaths; }
    int& mDeaths;
};

std::string undoText() {
    return LCommander::DispatchCommandStatus(cmd_Undo).name.str();
}

using CommanderChainUiTest = UiTest;

TEST_F(CommanderChainUiTest, CommandTravelsFromTargetUpAndFirstHandlerWins) {
    std::vector<int> log;
    RecordingCommander root(nullptr, {cmd_Quit, cmd_Save}, &log, 0);
    RecordingCommander middle(&root, {cmd_Save}, &log, 1);
    RecordingCommander leaf(&middle, {}, &log, 2);
    LCommander::SwitchTarget(&leaf);

    int value = 1;
    EXPECT_TRUE(LCommander::DispatchCommand(cmd_Quit, &value));
    EXPECT_EQ(log, (std::vector<int>{2, 1, 0}));
    EXPECT_EQ(root.lastParam, &value);

    log.clear();
    EXPECT_TRUE(LCommander::DispatchCommand(cmd_Save));
    EXPECT_EQ(log, (std::vector<int>{2, 1}));

    log.clear();
    EXPECT_FALSE(LCommander::DispatchCommand(9999)); // nobody knows it: ignored
    EXPECT_EQ(log, (std::vector<int>{2, 1, 0}));

    // Status too is answered by the first commander that knows the command.
    middle.mark = kCheckMark;
    CommandStatus status = LCommander::DispatchCommandStatus(cmd_Save);
    EXPECT_TRUE(status.enabled);
    EXPECT_EQ(status.mark, kCheckMark);
    LCommander::SwitchTarget(&root);
    status = LCommander::DispatchCommandStatus(cmd_Save);
    EXPECT_TRUE(status.enabled);
    EXPECT_EQ(status.mark, 0);
    EXPECT_FALSE(LCommander::DispatchCommandStatus(cmd_Open).enabled);
}

TEST_F(CommanderChainUiTest, PostedActionReplacesAndDeletesTheHeldOne) {
    LCommander root;
    root.SetUndoer(std::make_unique<LUndoer>());
    LCommander view(&root);
    ActionCounts first, second;
    view.PostAction(std::make_unique<CountingAction>(first));
    EXPECT_EQ(first.destroyed, 0);
    view.PostAction(std::make_unique<CountingAction>(second));
    EXPECT_EQ(first.destroyed, 1);
    EXPECT_EQ(second.destroyed, 0);
    ASSERT_NE(root.GetUndoer()->GetAction(), nullptr);

    // Undo only reaches the second action.
    LCommander::SwitchTarget(&view);
    EXPECT_TRUE(LCommander::DispatchCommand(cmd_Undo));
    EXPECT_EQ(first.undone, 0);
    EXPECT_EQ(second.undone, 1);
}

TEST_F(CommanderChainUiTest, UndoRedoUndoWithMenuTexts) {
    LCommander root;
    root.SetUndoer(std::make_unique<LUndoer>());
    LCommander view(&root);
    LCommander::SwitchTarget(&view);

    CommandStatus status = LCommander::DispatchCommandStatus(cmd_Undo);
    EXPECT_FALSE(status.enabled);
    EXPECT_TRUE(status.nameChanged);
    EXPECT_EQ(status.name.str(), "Can’t Undo");

    ActionCounts counts;
    view.PostAction(std::make_unique<CountingAction>(counts));
    EXPECT_TRUE(LCommander::DispatchCommandStatus(cmd_Undo).enabled);
    EXPECT_EQ(undoText(), "Undo Painting");

    LCommander::DispatchCommand(cmd_Undo);
    EXPECT_EQ(counts.undone, 1);
    EXPECT_FALSE(root.GetUndoer()->GetAction()->IsDone());
    EXPECT_EQ(undoText(), "Redo Painting");

    LCommander::DispatchCommand(cmd_Undo);
    EXPECT_EQ(counts.redone, 1);
    EXPECT_TRUE(root.GetUndoer()->GetAction()->IsDone());
    EXPECT_EQ(undoText(), "Undo Painting");

    LCommander::DispatchCommand(cmd_Undo);
    EXPECT_EQ(counts.undone, 2);
    EXPECT_EQ(counts.redone, 1);
}

TEST_F(CommanderChainUiTest, ActionWithoutUndoerIsDroppedAndNothingUndoes) {
    LCommander root;
    ActionCounts counts;
    root.PostAction(std::make_unique<CountingAction>(counts));
    EXPECT_EQ(counts.destroyed, 1);
    LCommander::SwitchTarget(&root);
    EXPECT_FALSE(LCommander::DispatchCommand(cmd_Undo));
    EXPECT_FALSE(LCommander::DispatchCommandStatus(cmd_Undo).enabled);
    // Without a target (and no application) a command starts nowhere.
    LCommander::SwitchTarget(nullptr);
    EXPECT_FALSE(LCommander::DispatchCommand(cmd_Quit));
    EXPECT_FALSE(LCommander::DispatchCommandStatus(cmd_Quit).enabled);
}

TEST_F(CommanderChainUiTest, TargetPassesToSuperWhenTargetOrItsAncestorDies) {
    LCommander root;
    auto middle = std::make_unique<LCommander>(&root);
    auto leaf = std::make_unique<LCommander>(middle.get());
    LCommander::SwitchTarget(leaf.get());
    leaf.reset();
    EXPECT_EQ(LCommander::GetTarget(), middle.get());
    EXPECT_TRUE(middle->GetSubCommanders().empty());

    auto deep = std::make_unique<LCommander>(middle.get());
    LCommander::SwitchTarget(deep.get());
    middle.reset(); // the target's super dies: the duty goes above it
    EXPECT_EQ(LCommander::GetTarget(), &root);
    EXPECT_EQ(deep->GetSuperCommander(), nullptr);
    EXPECT_TRUE(root.GetSubCommanders().empty());

    // A detached commander can be deleted without touching the dead super.
    deep.reset();
    EXPECT_EQ(LCommander::GetTarget(), &root);
}

TEST_F(CommanderChainUiTest, AdoptedSubsDieWithTheirSuperOthersAreDetached) {
    int deaths = 0;
    auto free = std::make_unique<Dying>(nullptr, deaths);
    {
        LCommander root;
        root.AdoptSubCommander(std::make_unique<Dying>(nullptr, deaths));
        root.AdoptSubCommander(std::make_unique<Dying>(&root, deaths));
        free->SetSuperCommander(&root);
        EXPECT_EQ(root.GetSubCommanders().size(), 3u);
        EXPECT_FALSE(root.OwnsSubCommander(free.get()));
    }
    EXPECT_EQ(deaths, 2);
    EXPECT_EQ(free->GetSuperCommander(), nullptr);
}

TEST_F(CommanderChainUiTest, MovingAnOwnedSubMovesItsOwnership) {
    int deaths = 0;
    LCommander second;
    {
        LCommander first;
        LCommander* sub = first.AdoptSubCommander(std::make_unique<Dying>(nullptr, deaths));
        sub->SetSuperCommander(&second);
        EXPECT_TRUE(second.OwnsSubCommander(sub));
        EXPECT_FALSE(first.OwnsSubCommander(sub));
    }
    EXPECT_EQ(deaths, 0);
    EXPECT_EQ(second.GetSubCommanders().size(), 1u);
}

TEST_F(CommanderChainUiTest, DetachAndDeleteLaterWaitsForTheLoop) {
    int deaths = 0;
    LCommander root;
    LCommander* sub = root.AdoptSubCommander(std::make_unique<Dying>(nullptr, deaths));
    LCommander::SwitchTarget(sub);
    sub->DetachAndDeleteLater();
    EXPECT_EQ(deaths, 0);
    EXPECT_EQ(LCommander::GetTarget(), &root);
    EXPECT_TRUE(root.GetSubCommanders().empty());
    flushDeferredDeletes();
    EXPECT_EQ(deaths, 1);
}

TEST_F(CommanderChainUiTest, DeletingAnOwnedSubDirectlyLeavesNoDanglingOwner) {
    LCommander root;
    LCommander* sub = root.AdoptSubCommander(std::make_unique<LCommander>());
    // Someone else ends it (as Qt may end a window); the super must not delete it again.
    std::unique_ptr<LCommander> taken(sub);
    taken.reset();
    EXPECT_FALSE(root.OwnsSubCommander(sub));
    EXPECT_TRUE(root.GetSubCommanders().empty());
}

} // namespace
