// The application object: the loop's guard, idle time, the platform requests, quitting, the
// default commands, and the menu bar dispatching through the command chain.

#include "LAction.h"
#include "LApplication.h"
#include "LDocument.h"
#include "LException.h"
#include "LPeriodical.h"
#include "LUndoer.h"
#include "LView.h"
#include "UiTestSupport.h"

#include <QMenu>
#include <QMenuBar>
#include <QTest>
#include <QTimer>
#include <algorithm>
#include <stdexcept>

namespace {

constexpr CommandT kToggleCommand = 508, kRenamedCommand = 600, kDisabledCommand = 601;

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

class TestApplication : public LDocApplication {
public:
    bool ObeyCommand(CommandT command, void* ioParam) override {
        toggled ^= command == kToggleCommand;
        otherCommands += command == kRenamedCommand || command == kDisabledCommand;
        return command == kToggleCommand || command == kRenamedCommand ||
               command == kDisabledCommand || LDocApplication::ObeyCommand(command, ioParam);
    }
    void FindCommandStatus(CommandT command, CommandStatus& status) override {
        LDocApplication::FindCommandStatus(command, status);
        if (command == kToggleCommand) {
            status.enabled = true;
            status.mark = toggled ? kCheckMark : 0;
        } else if (command == kRenamedCommand) {
            status.enabled = status.nameChanged = true;
            status.name = LStr255("Renamed Item");
        }
    }
    LDocument* MakeNewDocument() override {
        ++newDocuments;
        return nullptr;
    }
    void HandleAppPageSetup() override { ++pageSetups; }
    void OpenDocument(const FileLocation& location) override {
        opened.push_back(location.name());
        if (location.name() == "bad")
            throw LException(kIOError);
    }
    void Initialize() override { ++initialized; }

    bool toggled = false;
    int otherCommands = 0, newDocuments = 0, pageSetups = 0, initialized = 0;
    QStringList opened;
};

// Counts its user events, or throws from them; as an idler counts its turns or throws.
class Counter : public QObject, public LPeriodical {
public:
    explicit Counter(bool throws = false) : mThrows(throws) {}
    bool event(QEvent* event) override {
        if (event->type() == QEvent::User)
            count();
        return QObject::event(event);
    }
    void SpendTime() override { count(); }
    int calls = 0;

private:
    void count() {
        if (++calls && mThrows)
            throw std::runtime_error("handler failed");
    }
    bool mThrows;
};

class ThrowingView : public LView {
public:
    using LView::LView;
    int presses = 0;

protected:
    void mousePressEvent(QMouseEvent*) override {
        if (++presses == 1)
            throw LException(kParamError);
    }
};

QAction* actionFor(QMenuBar* bar, CommandT command, QMenu** menuOut) {
    for (QAction* menuAction : bar->actions())
        for (QAction* action :
             menuAction->menu() ? menuAction->menu()->actions() : QList<QAction*>{})
            if (commandOf(action) == command) {
                *menuOut = menuAction->menu();
                return action;
            }
    return nullptr;
}

using ApplicationUiTest = UiTest;

TEST_F(ApplicationUiTest, ThrowingHandlersEndOnlyTheirOwnEvent) {
    TestApplication app;
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
    EXPECT_EQ(GuardedExceptionCount(), before + 2);
    EXPECT_TRUE(app.IsQuitting());
    EXPECT_EQ(app.initialized, 1);
    EXPECT_EQ(app.newDocuments, 1); // the start-up request

    // Outside the loop too: a view's throwing mouse handler loses only that click.
    ThrowingView view;
    view.resize(50, 50);
    view.show();
    QTest::mouseClick(&view, Qt::LeftButton);
    QTest::mouseClick(&view, Qt::LeftButton);
    EXPECT_EQ(view.presses, 2);
    EXPECT_EQ(GuardedExceptionCount(), before + 3);
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

TEST_F(ApplicationUiTest, OpenDocumentsOpensEachInOrderDespiteAFailure) {
    TestApplication app;
    app.SetStartupDocuments({"/tmp/one", "/tmp/bad", "/tmp/three"});
    QTimer::singleShot(0, [&] { app.DoQuit(); });
    app.Run();
    EXPECT_EQ(app.opened, (QStringList{"one", "bad", "three"}));
    EXPECT_EQ(app.newDocuments, 1); // none of them made a window: as a launch without files
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
    EXPECT_EQ(LApplication::GetCurrent(), &app);
    EXPECT_THROW(TestApplication second, LException);
    EXPECT_EQ(LApplication::GetCurrent(), &app);

    LCommander::SwitchTarget(nullptr); // commands then start at the application
    for (CommandT command : {cmd_About, cmd_New, cmd_Open, cmd_PageSetup, cmd_Quit})
        EXPECT_TRUE(LCommander::DispatchCommandStatus(command).enabled) << command;
    for (CommandT command : {cmd_Close, cmd_Save, cmd_Revert, cmd_Print, cmd_Undo})
        EXPECT_FALSE(LCommander::DispatchCommandStatus(command).enabled) << command;
    EXPECT_TRUE(LCommander::DispatchCommand(cmd_New));
    EXPECT_TRUE(LCommander::DispatchCommand(cmd_PageSetup));
    EXPECT_EQ(app.pageSetups, 1);

    // Reopen makes a document only without a visible regular window.
    app.DoReopen();
    EXPECT_EQ(app.newDocuments, 2);
    LWindow window(nullptr, WindowLayer::Regular);
    window.Show();
    app.DoReopen();
    EXPECT_EQ(app.newDocuments, 2);
}

TEST_F(ApplicationUiTest, MenuActionsDispatchThroughTheChainAndReflectStatus) {
    TestApplication app;
    app.GetMenuBar().AddMenu(131, "Paint");
    for (const auto& [command, text] : {std::pair{kToggleCommand, "Connect"},
                                        {kRenamedCommand, "Original"},
                                        {kDisabledCommand, "Never"}})
        app.GetMenuBar().AddItem(131, {command, text, {}});
    app.SetUndoer(std::make_unique<LUndoer>());
    // Every window made while the application lives carries its menu bar.
    auto* window = static_cast<LWindow*>(app.AdoptSubCommander(std::make_unique<LWindow>()));
    LCommander inner(window);
    LCommander::SwitchTarget(&inner);

    QMenu *menu = nullptr, *editMenu = nullptr;
    QAction* toggle = actionFor(window->menuBar(), kToggleCommand, &menu);
    QAction* renamed = actionFor(window->menuBar(), kRenamedCommand, &menu);
    QAction* disabled = actionFor(window->menuBar(), kDisabledCommand, &menu);
    QAction* undo = actionFor(window->menuBar(), cmd_Undo, &editMenu);
    ASSERT_TRUE(toggle && renamed && disabled && undo);
    emit menu->aboutToShow();
    EXPECT_TRUE(toggle->isEnabled());
    EXPECT_FALSE(toggle->isChecked());
    EXPECT_EQ(renamed->text(), "Renamed Item");
    EXPECT_FALSE(disabled->isEnabled());

    toggle->trigger();
    EXPECT_TRUE(app.toggled);
    emit menu->aboutToShow();
    EXPECT_TRUE(toggle->isCheckable() && toggle->isChecked());

    // A disabled item does nothing even when its action fires (a stale shortcut).
    disabled->setEnabled(true);
    disabled->trigger();
    EXPECT_EQ(app.otherCommands, 0);

    // The Undo item takes its text from the chain.
    emit editMenu->aboutToShow();
    EXPECT_EQ(undo->text(), "Can’t Undo");
    EXPECT_FALSE(undo->isEnabled());
    inner.PostAction(std::make_unique<LAction>(150, 2));
    emit editMenu->aboutToShow();
    EXPECT_EQ(undo->text(), "Undo Painting");
    EXPECT_TRUE(undo->isEnabled());
    undo->trigger();
    emit editMenu->aboutToShow();
    EXPECT_EQ(undo->text(), "Redo Painting");
}

TEST_F(ApplicationUiTest, MenuDefinitionCanBeExtendedAndTrimmed) {
    LMenuBar bar = LMenuBar::StandardMenuBar();
    bar.AddItem(kFileMenuID, {504, "New Program", {}}, 1);
    EXPECT_EQ(bar.FindMenu(kFileMenuID)->items.at(1).command, 504);
    EXPECT_TRUE(bar.RemoveCommand(cmd_Quit));
    EXPECT_FALSE(bar.HasCommand(cmd_Quit));
    EXPECT_FALSE(bar.RemoveCommand(cmd_Quit));
    QMenuBar qbar;
    bar.InstallOn(&qbar);
    ASSERT_EQ(qbar.actions().size(), 2);
    EXPECT_EQ(qbar.actions().at(0)->text(), "&File");
    const QList<QAction*> items = qbar.actions().at(0)->menu()->actions();
    EXPECT_EQ(
        std::count_if(items.begin(), items.end(), [](QAction* a) { return a->isSeparator(); }), 3);
}

} // namespace
