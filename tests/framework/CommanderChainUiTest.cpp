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
struct RecordingCommander : LCommander {
    RecordingCommander(LCommander* super, std::vector<CommandT> handled, std::string& log,
                       char name)
        : LCommander(super), mHandled(std::move(handled)), mLog(log), mName(name) {}
    bool ObeyCommand(CommandT command, void* ioParam) override {
        mLog += mName;
        if (!std::ranges::count(mHandled, command))
            return LCommander::ObeyCommand(command, ioParam);
        return lastParam = ioParam, true;
    }
    void FindCommandStatus(CommandT command, CommandStatus& status) override {
        if (!std::ranges::count(mHandled, command))
            return LCommander::FindCommandStatus(command, status);
        status.enabled = true, status.mark = mark;
    }
    void* lastParam = nullptr;
    std::uint16_t mark = 0;
    std::vector<CommandT> mHandled;
    std::string& mLog;
    char mName;
};

// Counts its undos, redos and its own death in one tally.
struct CountingAction : LAction {
    explicit CountingAction(std::vector<int>& counts) : LAction(150, 2), mCounts(counts) {}
    ~CountingAction() override { ++mCounts[2]; }
    void UndoSelf() override { ++mCounts[0]; }
    void RedoSelf() override { ++mCounts[1]; }
    std::vector<int>& mCounts;
};

// Counts its own deaths.
struct Dying : LCommander {
    Dying(LCommander* super, int& deaths) : LCommander(super), mDeaths(deaths) {}
    ~Dying() override { ++mDeaths; }
    int& mDeaths;
};

using CommanderChainUiTest = UiTest;

TEST_F(CommanderChainUiTest, CommandTravelsFromTargetUpAndFirstHandlerWins) {
    std::string log;
    RecordingCommander root(nullptr, {cmd_Quit, cmd_Save}, log, 'r');
    RecordingCommander middle(&root, {cmd_Save}, log, 'm');
    RecordingCommander leaf(&middle, {}, log, 'l');
    LCommander::SwitchTarget(&leaf);

    int value = 1;
    EXPECT_TRUE(LCommander::DispatchCommand(cmd_Quit, &value));
    EXPECT_EQ(root.lastParam, &value);
    EXPECT_TRUE(LCommander::DispatchCommand(cmd_Save));
    EXPECT_FALSE(LCommander::DispatchCommand(9999)); // nobody knows it: ignored
    EXPECT_EQ(log, "lmrlmlmr");

    // Status too is answered by the first commander that knows the command.
    middle.mark = kCheckMark;
    const CommandStatus status = LCommander::DispatchCommandStatus(cmd_Save);
    EXPECT_TRUE(status.enabled && status.mark == kCheckMark);
    LCommander::SwitchTarget(&root);
    EXPECT_EQ(LCommander::DispatchCommandStatus(cmd_Save).mark, 0);
    EXPECT_FALSE(LCommander::DispatchCommandStatus(cmd_Open).enabled);
}

TEST_F(CommanderChainUiTest, PostedActionReplacesTheHeldOneAndUndoRedoesIt) {
    std::vector<int> first(3), second(3); // undone, redone, destroyed; outlive the undoer
    LCommander root;
    root.SetUndoer(std::make_unique<LUndoer>());
    LCommander view(&root);
    LCommander::SwitchTarget(&view);
    EXPECT_EQ(LCommander::DispatchCommandStatus(cmd_Undo).name.view(), "Can’t Undo");
    view.PostAction(std::make_unique<CountingAction>(first));
    view.PostAction(std::make_unique<CountingAction>(second));
    // Undo, redo, undo: only the second action, each turn flipping it.
    for (int turn = 1; turn <= 3; ++turn)
        EXPECT_TRUE(LCommander::DispatchCommand(cmd_Undo));
    EXPECT_EQ(first, (std::vector<int>{0, 0, 1}));
    EXPECT_EQ(second, (std::vector<int>{2, 1, 0}));

    // Without an undoer an action is dropped and nothing undoes.
    LCommander lone;
    lone.PostAction(std::make_unique<CountingAction>(first));
    EXPECT_EQ(first[2], 2);
    LCommander::SwitchTarget(&lone);
    EXPECT_FALSE(LCommander::DispatchCommand(cmd_Undo));
    // Without a target (and no application) a command starts nowhere.
    LCommander::SwitchTarget(nullptr);
    EXPECT_FALSE(LCommander::DispatchCommand(cmd_Quit));
}

TEST_F(CommanderChainUiTest, TargetPassesUpWhenItOrItsSuperDiesAndOwnedSubsDieWithTheirSuper) {
    int deaths = 0;
    LCommander heir;
    auto free = std::make_unique<Dying>(nullptr, deaths);
    {
        LCommander root;
        auto middle = std::make_unique<LCommander>(&root);
        auto leaf = std::make_unique<LCommander>(middle.get());
        LCommander::SwitchTarget(leaf.get());
        leaf = std::make_unique<LCommander>(middle.get());
        EXPECT_EQ(LCommander::GetTarget(), middle.get());
        LCommander::SwitchTarget(leaf.get());
        middle.reset(); // the target's super dies: the duty goes above it
        EXPECT_EQ(std::pair(LCommander::GetTarget(), leaf->GetSuperCommander()),
                  std::pair(static_cast<LCommander*>(&root), static_cast<LCommander*>(nullptr)));
        leaf.reset(); // detached, it dies without touching the dead super

        root.AdoptSubCommander(std::make_unique<Dying>(nullptr, deaths));
        LCommander* moving = root.AdoptSubCommander(std::make_unique<Dying>(&root, deaths));
        free->SetSuperCommander(&root);
        EXPECT_EQ(root.GetSubCommanders().size(), 3u);
        moving->SetSuperCommander(&heir); // ownership moves along
        EXPECT_TRUE(heir.OwnsSubCommander(moving) && !root.OwnsSubCommander(free.get()));
    }
    EXPECT_TRUE(deaths == 1 && free->GetSuperCommander() == nullptr);

    LCommander* later = heir.GetSubCommanders().front();
    LCommander::SwitchTarget(later);
    later->DetachAndDeleteLater();
    EXPECT_TRUE(deaths == 1 && LCommander::GetTarget() == &heir && heir.GetSubCommanders().empty());
    flushDeferredDeletes();
    EXPECT_EQ(deaths, 2);

    // Someone else ends an owned sub (as Qt may end a window); the super must not delete it again.
    LCommander* sub = heir.AdoptSubCommander(std::make_unique<Dying>(nullptr, deaths));
    std::unique_ptr<LCommander>(sub).reset();
    EXPECT_TRUE(deaths == 3 && heir.GetSubCommanders().empty());
}

} // namespace
