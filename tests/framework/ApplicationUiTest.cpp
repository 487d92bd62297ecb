// The application object: the loop's guard, idle time, the platform requests, quitting, the
// default commands, and the menu bar dispatching through the command chain.

#include "LAction.h"
#include "LApplication.h"
#include "LDocument.h"
#include "LException.h"
#include "LPeriodical.h"
#include "LUndoer.h"
#include "UiTestSupport.h"

#include <QMenu>
#include <QMenuBar>
#include <QTimer>
#include <algorithm>
#include <map>
#include <stdexcept>

namespace {

class TestDocument : public LDocument {
public:
    explicit TestDocument(SaveChoice answer) : LDocument(nullptr), answer(answer) {}
    SaveChoice ConfirmCloseWithChanges(bool quitting) override {
        askedWhileQuitting = quitting;
        return answer;
    }
    SaveChoice answer;
    bool askedWhileQuitting = false;
};

// Answers the commands in `statuses` with their status and logs them when obeyed.
class TestApplication : public LDocApplication {
public:
    bool ObeyCommand(CommandT command, void* ioParam) override {
        if (!statuses.contains(command))
            return LDocApplication::ObeyCommand(command, ioParam);
        obeyed.push_back(command);
        return true;
    }
    void FindCommandStatus(CommandT command, CommandStatus& status) override {
        LDocApplication::FindCommandStatus(command, status);
        if (statuses.contains(command))
            status = statuses[command];
    }
    LDocument* MakeNewDocument() override {
        log << "new";
        return nullptr;
    }
    void HandleAppPageSetup() override { log << "page setup"; }
    void OpenDocument(const FileLocation& location) override {
        log << "open " + location.name();
        if (location.name() == "bad")
            throw LException(kIOError);
    }
    void Initialize() override { log << "initialize"; }

    std::map<CommandT, CommandStatus> statuses;
    std::vector<CommandT> obeyed;
    QStringList log;
};

// Counts its user events and its idle turns, or throws from them.
class Counter : public QObject, public LPeriodical {
public:
    explicit Counter(bool throws = false) : mThrows(throws) {}
    bool event(QEvent* event) override {
        if (event->type() == QEvent::User)
            SpendTime();
        return QObject::event(event);
    }
    void SpendTime() override {
        if (++calls && mThrows)
            throw std::runtime_error("handler failed");
    }
    int calls = 0;

private:
    bool mThrows;
};

using ApplicationUiTest = UiTest;

TEST_F(ApplicationUiTest, ThrowingHandlersEndOnlyTheirOwnEventAndStartUpOpensEachDocument) {
    TestApplication app;
    app.SetStartupDocuments({"/tmp/one", "/tmp/bad", "/tmp/three"});
    Counter thrower(true), counter;
    const unsigned long before = GuardedExceptionCount();
    // The loop: a throwing timer and event, then the events after them, then quit.
    QTimer::singleShot(0, [] { throw LException(kIOError); });
    QCoreApplication::postEvent(&thrower, new QEvent(QEvent::User));
    QCoreApplication::postEvent(&counter, new QEvent(QEvent::User));
    QTimer::singleShot(0, [&] { app.ObeyCommand(cmd_Quit, nullptr); });
    QTimer::singleShot(5000, &counter, [] { QCoreApplication::exit(7); }); // the loop must not hang
    EXPECT_EQ(app.Run(), 0);
    EXPECT_EQ(counter.calls, 1);
    EXPECT_EQ(GuardedExceptionCount(), before + 3); // the bad document's failure too
    EXPECT_TRUE(app.IsQuitting());
    // None of the documents made a window: then as a launch without files.
    EXPECT_EQ(app.log, (QStringList{"initialize", "open one", "open bad", "open three", "new"}));

    // Sent outside the loop too, a throwing handler loses only that event.
    QEvent event(QEvent::User);
    QCoreApplication::sendEvent(&thrower, &event);
    QCoreApplication::sendEvent(&thrower, &event);
    EXPECT_EQ(thrower.calls, 3);
    EXPECT_EQ(GuardedExceptionCount(), before + 5);
}

TEST_F(ApplicationUiTest, IdlersGetTimeWhileTheLoopWaitsAndAFailingOneStarvesNobody) {
    TestApplication app;
    app.SetSleepTime(1);
    Counter failing(true), idler, stopped;
    failing.StartIdling();
    idler.StartIdling();
    stopped.StartIdling();
    stopped.StopIdling();
    QTimer::singleShot(100, [&] { app.DoQuit(); });
    app.Run();
    EXPECT_GT(idler.calls, 1);
    EXPECT_EQ(failing.calls, idler.calls);
    EXPECT_EQ(stopped.calls, 0);
}

TEST_F(ApplicationUiTest, QuitAsksEveryDocumentAndARefusalCancels) {
    TestApplication app;
    auto* saving = static_cast<TestDocument*>(
        app.AdoptSubCommander(std::make_unique<TestDocument>(LDocument::SaveChoice::DontSave)));
    auto* refusing = static_cast<TestDocument*>(
        app.AdoptSubCommander(std::make_unique<TestDocument>(LDocument::SaveChoice::Cancel)));
    saving->SetModified(true);
    refusing->SetModified(true);
    EXPECT_FALSE(app.DoQuit());
    EXPECT_FALSE(app.IsQuitting());
    EXPECT_TRUE(saving->askedWhileQuitting && refusing->askedWhileQuitting);
    EXPECT_TRUE(saving->IsClosed() && !refusing->IsClosed());
    EXPECT_EQ(app.GetDocuments(), (std::vector<LDocument*>{refusing}));

    refusing->SetModified(false); // now it closes without asking
    EXPECT_TRUE(app.DoQuit());
    EXPECT_TRUE(app.IsQuitting());
    EXPECT_TRUE(app.GetDocuments().empty());
}

TEST_F(ApplicationUiTest, RootCommandsReopenAndOneApplicationAtATime) {
    TestApplication app;
    EXPECT_THROW(TestApplication second, LException);
    EXPECT_EQ(LApplication::GetCurrent(), &app);

    LCommander::SwitchTarget(nullptr); // commands then start at the application
    for (CommandT command : {cmd_About, cmd_New, cmd_Open, cmd_PageSetup, cmd_Quit})
        EXPECT_TRUE(LCommander::DispatchCommandStatus(command).enabled) << command;
    for (CommandT command : {cmd_Close, cmd_Save, cmd_Revert, cmd_Print, cmd_Undo})
        EXPECT_FALSE(LCommander::DispatchCommandStatus(command).enabled) << command;
    EXPECT_TRUE(LCommander::DispatchCommand(cmd_New) && LCommander::DispatchCommand(cmd_PageSetup));
    // Reopen makes a document only without a visible regular window.
    app.DoReopen();
    LWindow window(nullptr, WindowLayer::Regular);
    window.Show();
    app.DoReopen();
    EXPECT_EQ(app.log, (QStringList{"new", "page setup", "new"}));
}

TEST_F(ApplicationUiTest, MenuActionsDispatchThroughTheChainAndReflectStatus) {
    constexpr CommandT kToggle = 508, kRenamed = 600, kDisabled = 601;
    TestApplication app;
    app.statuses[kDisabled].enabled = false;
    app.statuses[kToggle].enabled = app.statuses[kRenamed].enabled = true;
    app.statuses[kRenamed].nameChanged = true;
    app.statuses[kRenamed].name = LStr255("Renamed");
    app.GetMenuBar().AddMenu(131, "Paint");
    for (CommandT command : {kToggle, kRenamed, kDisabled})
        app.GetMenuBar().AddItem(131, {command, "Original", {}});
    app.SetUndoer(std::make_unique<LUndoer>());
    // Every window made while the application lives carries its menu bar.
    auto* window = static_cast<LWindow*>(app.AdoptSubCommander(std::make_unique<LWindow>()));
    LCommander inner(window);
    LCommander::SwitchTarget(&inner);
    std::map<CommandT, QAction*> actions;
    std::map<CommandT, QMenu*> menus;
    for (QAction* title : window->menuBar()->actions())
        for (QAction* action : title->menu() ? title->menu()->actions() : QList<QAction*>{}) {
            actions[commandOf(action)] = action;
            menus[commandOf(action)] = title->menu();
        }
    const auto show = [&](CommandT command) { emit menus[command]->aboutToShow(); };
    ASSERT_TRUE(actions[kToggle] && actions[kRenamed] && actions[kDisabled] && actions[cmd_Undo]);

    show(kToggle);
    EXPECT_TRUE(actions[kToggle]->isEnabled());
    EXPECT_FALSE(actions[kToggle]->isChecked());
    EXPECT_EQ(actions[kRenamed]->text(), "Renamed");
    EXPECT_FALSE(actions[kDisabled]->isEnabled());
    actions[kToggle]->trigger();
    app.statuses[kToggle].mark = kCheckMark;
    show(kToggle);
    EXPECT_TRUE(actions[kToggle]->isCheckable() && actions[kToggle]->isChecked());
    // A disabled item does nothing even when its action fires (a stale shortcut).
    actions[kDisabled]->setEnabled(true);
    actions[kDisabled]->trigger();
    EXPECT_EQ(app.obeyed, std::vector<CommandT>{kToggle});

    // The Undo item takes its text and state from the chain.
    QAction* undo = actions[cmd_Undo];
    const auto undoItem = [&] {
        show(cmd_Undo);
        return undo->text() + (undo->isEnabled() ? "" : " (off)");
    };
    EXPECT_EQ(undoItem(), "Can’t Undo (off)");
    inner.PostAction(std::make_unique<LAction>(150, 2));
    EXPECT_EQ(undoItem(), "Undo Painting");
    undo->trigger();
    EXPECT_EQ(undoItem(), "Redo Painting");
}

TEST_F(ApplicationUiTest, MenuDefinitionCanBeExtendedAndTrimmed) {
    LMenuBar bar = LMenuBar::StandardMenuBar();
    bar.AddItem(kFileMenuID, {504, "New Program", {}}, 1);
    EXPECT_EQ(bar.FindMenu(kFileMenuID)->items.at(1).command, 504);
    EXPECT_TRUE(bar.RemoveCommand(cmd_Quit));
    EXPECT_FALSE(bar.HasCommand(cmd_Quit) || bar.RemoveCommand(cmd_Quit));
    QMenuBar qbar;
    bar.InstallOn(&qbar);
    ASSERT_EQ(qbar.actions().size(), 2);
    EXPECT_EQ(qbar.actions().at(0)->text(), "&File");
    const QList<QAction*> items = qbar.actions().at(0)->menu()->actions();
    EXPECT_EQ(
        std::count_if(items.begin(), items.end(), [](QAction* a) { return a->isSeparator(); }), 3);
}

} // namespace
