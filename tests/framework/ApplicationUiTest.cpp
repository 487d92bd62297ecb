// The application object: the loop's guard, idle time, startup documents, quitting, the default
// commands, and the menu bar dispatching through the command chain.

#include "LApplication.h"
#include "LDocument.h"
#include "LException.h"
#include "LPeriodical.h"
#include "UiTestSupport.h"

#include <QMenu>
#include <QMenuBar>
#include <QTimer>
#include <map>
#include <stdexcept>

namespace {

struct TestDocument : LDocument {
    explicit TestDocument(SaveChoice answer) : LDocument(nullptr), answer(answer) {}
    SaveChoice ConfirmCloseWithChanges(bool quitting) override { return asked += quitting, answer; }
    SaveChoice answer;
    int asked = 0;
};

// Answers the commands in `statuses` with their status and logs them when obeyed.
struct TestApplication : LDocApplication {
    bool ObeyCommand(CommandT command, void* ioParam) override {
        if (!statuses.contains(command))
            return LDocApplication::ObeyCommand(command, ioParam);
        return log << QString::number(command), true;
    }
    void FindCommandStatus(CommandT command, CommandStatus& status) override {
        LDocApplication::FindCommandStatus(command, status);
        if (statuses.contains(command))
            status = statuses[command];
    }
    LDocument* MakeNewDocument() override { return log << "new", nullptr; }
    void HandleAppPageSetup() override { log << "page setup"; }
    void OpenDocument(const FileLocation& location) override {
        log << "open " + location.name();
        if (location.name() == "bad")
            throw LException(kIOError);
    }
    void Initialize() override { log << "initialize"; }

    std::map<CommandT, CommandStatus> statuses;
    QStringList log;
};

// Counts its user events and its idle turns, or throws from them.
struct Counter : QObject, LPeriodical {
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
    bool mThrows;
};

using ApplicationUiTest = UiTest;

TEST_F(ApplicationUiTest, ThrowingHandlersEndOnlyTheirOwnTurnAndStartUpOpensEachDocument) {
    TestApplication app;
    EXPECT_THROW(TestApplication second, LException); // one application at a time
    app.SetStartupDocuments({"/tmp/one", "/tmp/bad", "/tmp/three"});
    app.SetSleepTime(1);
    Counter thrower(true), counter, failing(true), idler, stopped;
    for (Counter* idling : {&failing, &idler, &stopped})
        idling->StartIdling();
    stopped.StopIdling();
    const unsigned long before = GuardedExceptionCount();
    // The loop: a throwing timer and event, then the events after them, idle time, then quit.
    QTimer::singleShot(0, [] { throw LException(kIOError); });
    QCoreApplication::postEvent(&thrower, new QEvent(QEvent::User));
    QCoreApplication::postEvent(&counter, new QEvent(QEvent::User));
    QTimer::singleShot(100, [&] { app.ObeyCommand(cmd_Quit, nullptr); });
    QTimer::singleShot(5000, &counter, [] { QCoreApplication::exit(7); }); // the loop must not hang
    EXPECT_EQ(app.Run(), 0);
    EXPECT_TRUE(counter.calls == 1 && app.IsQuitting());
    // A failing idler starves nobody; each of its failures counts, as the bad document's.
    EXPECT_GT(idler.calls, 1);
    EXPECT_EQ(std::pair(failing.calls, stopped.calls), std::pair(idler.calls, 0));
    EXPECT_EQ(GuardedExceptionCount(), before + 3 + failing.calls);
    // None of the documents made a window: then as a launch without files.
    EXPECT_EQ(app.log, (QStringList{"initialize", "open one", "open bad", "open three", "new"}));
}

TEST_F(ApplicationUiTest, QuitAsksEveryDocumentUntilARefusal) {
    TestApplication app;
    std::vector<TestDocument*> documents;
    for (const auto choice : {LDocument::SaveChoice::DontSave, LDocument::SaveChoice::Cancel,
                              LDocument::SaveChoice::DontSave}) {
        documents.push_back(static_cast<TestDocument*>(
            app.AdoptSubCommander(std::make_unique<TestDocument>(choice))));
        documents.back()->SetModified(true);
    }
    EXPECT_FALSE(app.DoQuit() || app.IsQuitting());
    EXPECT_EQ(app.GetDocuments(), (std::vector<LDocument*>{documents[1], documents[2]}));
    EXPECT_EQ(documents[0]->asked + documents[1]->asked + documents[2]->asked, 2);
    documents[1]->SetModified(false); // now it closes without asking
    EXPECT_TRUE(app.DoQuit() && app.IsQuitting());
    EXPECT_EQ(documents[2]->asked, 1);
    EXPECT_TRUE(app.GetDocuments().empty());
}

TEST_F(ApplicationUiTest, RootCommandsAndMenuActionsDispatchThroughTheChain) {
    constexpr CommandT kToggle = 508, kRenamed = 600, kDisabled = 601;
    TestApplication app;
    QString enabled;
    for (CommandT command : {cmd_About, cmd_New, cmd_Open, cmd_PageSetup, cmd_Quit, cmd_Close,
                             cmd_Save, cmd_Revert, cmd_Print, cmd_Undo})
        enabled += LCommander::DispatchCommandStatus(command).enabled ? '1' : '0';
    EXPECT_EQ(enabled, "1111100000");
    EXPECT_TRUE(LCommander::DispatchCommand(cmd_New) && LCommander::DispatchCommand(cmd_PageSetup));

    app.statuses[kDisabled].enabled = false;
    app.statuses[kToggle].enabled = app.statuses[kRenamed].enabled = true;
    app.statuses[kRenamed].nameChanged = true;
    app.statuses[kRenamed].name = LStr255("Renamed");
    app.GetMenuBar().AddMenu(131, "Paint");
    for (CommandT command : {kToggle, kRenamed, kDisabled})
        app.GetMenuBar().AddItem(131, {command, "Original", {}});
    // Every window made while the application lives carries its menu bar.
    auto* window = static_cast<LWindow*>(app.AdoptSubCommander(std::make_unique<LWindow>()));
    LCommander inner(window);
    LCommander::SwitchTarget(&inner);
    std::map<CommandT, QAction*> actions;
    QMenu* menu = window->menuBar()->actions().last()->menu();
    ASSERT_TRUE(menu);
    for (QAction* action : menu->actions())
        actions[commandOf(action)] = action;
    ASSERT_TRUE(actions[kToggle] && actions[kRenamed] && actions[kDisabled]);
    const auto items = [&] {
        emit menu->aboutToShow();
        QString shown;
        for (CommandT command : {kToggle, kRenamed, kDisabled})
            shown += actions[command]->text() + (actions[command]->isEnabled() ? "+" : "-") +
                     (actions[command]->isChecked() ? "x " : " ");
        return shown;
    };
    EXPECT_EQ(items(), "Original+ Renamed+ Original- ");
    actions[kToggle]->trigger();
    app.statuses[kToggle].mark = kCheckMark;
    EXPECT_EQ(items(), "Original+x Renamed+ Original- ");
    // A disabled item does nothing even when its action fires (a stale shortcut).
    actions[kDisabled]->setEnabled(true);
    actions[kDisabled]->trigger();
    EXPECT_EQ(app.log, (QStringList{"new", "page setup", "508"}));
}

} // namespace
