// The command chain: dispatch from the target, status answers, posted actions, undo, and what
// happens to the target and the sub commanders when commanders die.

#include "LAction.h"
#include "LCommander.h"
#include "LUndoer.h"
#include "UiTestSupport.h"

#include <algorithm>
#include <memory>
#include <vector>

namespace {

// Logs its name for every command it sees; handles only its own commands.
class RecordingCommander : public LCommander {
public:
    RecordingCommander(LCommander* super, std::vector<CommandT> handled, std::vector<int>& log,
                       int name)
        : LCommander(super), mHandled(std::move(handled)), mLog(log), mName(name) {}
    bool ObeyCommand(CommandT command, void* ioParam) override {
        mLog.push_back(mName);
        if (!handles(command))
            return LCommander::ObeyCommand(command, ioParam);
        lastParam = ioParam;
        return true;
    }
    void FindCommandStatus(CommandT command, CommandStatus& status) override {
        if (!handles(command))
            return LCommander::FindCommandStatus(command, status);
        status.enabled = true;
        status.mark = mark;
    }
    void* lastParam = nullptr;
    std::uint16_t mark = 0;

private:
    bool handles(CommandT command) const {
        return std::find(mHandled.begin(), mHandled.end(), command) != mHandled.end();
    }
    std::vector<CommandT> mHandled;
    std::vector<int>& mLog;
    int mName;
};

struct ActionCounts {
    int undone = 0, redone = 0, destroyed = 0;
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

using CommanderChainUiTest = UiTest;

TEST_F(CommanderChainUiTest, CommandTravelsFromTargetUpAndFirstHandlerWins) {
    std::vector<int> log;
    RecordingCommander root(nullptr, {cmd_Quit, cmd_Save}, log, 0);
    RecordingCommander middle(&root, {cmd_Save}, log, 1);
    RecordingCommander leaf(&middle, {}, log, 2);
    LCommander::SwitchTarget(&leaf);

    int value = 1;
    EXPECT_TRUE(LCommander::DispatchCommand(cmd_Quit, &value));
    EXPECT_EQ(root.lastParam, &value);
    EXPECT_TRUE(LCommander::DispatchCommand(cmd_Save));
    EXPECT_FALSE(LCommander::DispatchCommand(9999)); // nobody knows it: ignored
    EXPECT_EQ(log, (std::vector<int>{2, 1, 0, 2, 1, 2, 1, 0}));

    // Status too is answered by the first commander that knows the command.
    middle.mark = kCheckMark;
    const CommandStatus status = LCommander::DispatchCommandStatus(cmd_Save);
    EXPECT_TRUE(status.enabled);
    EXPECT_EQ(status.mark, kCheckMark);
    LCommander::SwitchTarget(&root);
    EXPECT_EQ(LCommander::DispatchCommandStatus(cmd_Save).mark, 0);
    EXPECT_FALSE(LCommander::DispatchCommandStatus(cmd_Open).enabled);
}

TEST_F(CommanderChainUiTest, PostedActionReplacesTheHeldOneAndUndoRedoesIt) {
    LCommander root;
    root.SetUndoer(std::make_unique<LUndoer>());
    LCommander view(&root);
    ActionCounts first, second;
    view.PostAction(std::make_unique<CountingAction>(first));
    EXPECT_EQ(first.destroyed, 0);
    view.PostAction(std::make_unique<CountingAction>(second));
    EXPECT_EQ(first.destroyed, 1);
    EXPECT_EQ(second.destroyed, 0);

    // Undo, redo, undo: only the second action, each turn flipping it.
    LCommander::SwitchTarget(&view);
    for (int turn = 1; turn <= 3; ++turn)
        EXPECT_TRUE(LCommander::DispatchCommand(cmd_Undo));
    EXPECT_EQ(first.undone + first.redone, 0);
    EXPECT_EQ(second.undone, 2);
    EXPECT_EQ(second.redone, 1);
    EXPECT_FALSE(root.GetUndoer()->GetAction()->IsDone());

    // Without an undoer an action is dropped and nothing undoes.
    LCommander lone;
    lone.PostAction(std::make_unique<CountingAction>(first));
    EXPECT_EQ(first.destroyed, 2);
    LCommander::SwitchTarget(&lone);
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
    deep.reset(); // detached, it dies without touching the dead super
    EXPECT_EQ(LCommander::GetTarget(), &root);
}

TEST_F(CommanderChainUiTest, OwnedSubsDieWithTheirSuperMoveWithItOrWaitForTheLoop) {
    int deaths = 0;
    auto free = std::make_unique<Dying>(nullptr, deaths);
    LCommander heir;
    {
        LCommander root;
        root.AdoptSubCommander(std::make_unique<Dying>(nullptr, deaths));
        LCommander* moving = root.AdoptSubCommander(std::make_unique<Dying>(&root, deaths));
        free->SetSuperCommander(&root);
        EXPECT_EQ(root.GetSubCommanders().size(), 3u);
        EXPECT_FALSE(root.OwnsSubCommander(free.get()));
        moving->SetSuperCommander(&heir); // ownership moves along
        EXPECT_TRUE(heir.OwnsSubCommander(moving));
        EXPECT_FALSE(root.OwnsSubCommander(moving));
    }
    EXPECT_EQ(deaths, 1);
    EXPECT_EQ(free->GetSuperCommander(), nullptr);
    EXPECT_EQ(heir.GetSubCommanders().size(), 1u);

    LCommander* later = heir.GetSubCommanders().front();
    LCommander::SwitchTarget(later);
    later->DetachAndDeleteLater();
    EXPECT_EQ(deaths, 1);
    EXPECT_EQ(LCommander::GetTarget(), &heir);
    EXPECT_TRUE(heir.GetSubCommanders().empty());
    flushDeferredDeletes();
    EXPECT_EQ(deaths, 2);

    // Someone else ends an owned sub (as Qt may end a window); the super must not delete it again.
    LCommander* sub = heir.AdoptSubCommander(std::make_unique<Dying>(nullptr, deaths));
    std::unique_ptr<LCommander>(sub).reset();
    EXPECT_EQ(deaths, 3);
    EXPECT_FALSE(heir.OwnsSubCommander(sub));
    EXPECT_TRUE(heir.GetSubCommanders().empty());
}

} // namespace
