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
#include <stdexcept>

namespace {

constexpr CommandT kToggleCommand = 508;
constexpr CommandT kRenamedCommand = 600;
constexpr CommandT kDisabledCommand = 601;

class TestDocument : public LDocument {
public:
    TestDocument(LCommander* super, SaveChoice answer) : LDocument(super), mAnswer(answer) {}
    SaveChoice ConfirmCloseWithChanges(bool quitting) override {
        askedWhileQuitting = quitting;
        return mAnswer;
    }
    std::optional<FileLocation> AskForSaveLocation(const QString&) override { return {}; }
    bool askedWhileQuitting = false;

private:
    SaveChoice mAnswer;
};

class TestApplication : public LDocApplication {
public:
    bool ObeyCommand(CommandT command, void* ioParam) override {
        if (command == kToggleCommand) {
            toggled = !toggled;
            return true;
        }
        if (command == kRenamedCommand || command == kDisabledCommand) {
            ++otherCommands;
            return true;
        }
        return LDocApplication::ObeyCommand(command, ioParam);
    }
    void FindCommandStatus(CommandT command, CommandStatus& status) override {
        if (command == kToggleCommand) {
            status.enabled = true;
            status.mark = toggled ? kCheckMark : 0;
            return;
        }
        if (command == kRenamedCommand) {
            status.enabled = true;
            status.nameChanged = true;
            status.name = LStr255("Renamed Item");
            return;
        }
        LDocApplication::FindCommandStatus(command, status);
    }
    LDocument* MakeNewDocument() override {
        ++newDocuments;
        return nullptr;
    }
    void OpenDocument(const FileLocation& location) override {
        opened.push_back(location.name());
        if (location.name() == "bad")
            throw LException(kIOError);
    }
    void Initialize() override { ++initialized; }

    bool toggled = false;
    int otherCommands = 0;
    int newDocuments = 0;
    int initialized = 0;
    QStringList opened;
};

// An object that counts its user events, or throws from them.
class UserEventObject : public QObject {
public:
    explicit UserEventObject(bool throws = false) : mThrows(throws) {}
    bool event(QEvent* event) override {
        if (event->type() == QEvent::User && ++received && mThrows)
            throw std::runtime_error("handler failed");
        return QObject::event(event);
    }
    int received = 0;

private:
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

class CountingIdler : public LPeriodical {
public:
    explicit CountingIdler(bool throws = false) : mThrows(throws) {}
    void SpendTime() override {
        ++calls;
        if (mThrows)
            throw std::runtime_error("idler failed");
    }
    int calls = 0;

private:
    bool mThrows;
};

QAction* actionFor(QMenuBar* bar, CommandT command, QMenu** menuOut) {
    for (QAction* menuAction : bar->actions()) {
        QMenu* menu = menuAction->menu();
        if (menu == nullptr)
            continue;
        for (QAction* action : menu->actions()) {
            if (commandOf(action) == command) {
                *menuOut = menu;
                return action;
            }
        }
    }
    return nullptr;
}

using ApplicationUiTest = UiTest;

TEST_F(ApplicationUiTest, ThrowingHandlerDoesNotEndTheLoop) {
    TestApplication app;
    UserEventObject thrower(true);
    UserEventObject counter;
    const unsigned long before = GuardedExceptionCount();
    // The loop: a throwing timer and event, then the events after them, then quit.
    QTimer::singleShot(0, [] { throw LException(kIOError); });
    QCoreApplication::postEvent(&thrower, new QEvent(QEvent::User));
    QCoreApplication::postEvent(&counter, new QEvent(QEvent::User));
    QTimer::singleShot(0, [&] { app.ObeyCommand(cmd_Quit, nullptr); });
    QTimer watchdog; // the loop must not hang
    watchdog.setSingleShot(true);
    QObject::connect(&watchdog, &QTimer::timeout, [] { QCoreApplication::exit(7); });
    watchdog.start(5000);
    const int code = app.Run();
    EXPECT_EQ(code, 0);
    EXPECT_EQ(counter.received, 1);
    EXPECT_EQ(GuardedExceptionCount(), before + 2);
    EXPECT_TRUE(app.IsQuitting());
    EXPECT_EQ(app.initialized, 1);
    EXPECT_EQ(app.newDocuments, 1); // the start-up request
}

TEST_F(ApplicationUiTest, ThrowingViewHandlerEndsOnlyThatEvent) {
    ThrowingView view;
    view.resize(50, 50);
    view.show();
    const unsigned long before = GuardedExceptionCount();
    QTest::mouseClick(&view, Qt::LeftButton);
    QTest::mouseClick(&view, Qt::LeftButton);
    EXPECT_EQ(view.presses, 2);
    EXPECT_EQ(GuardedExceptionCount(), before + 1);
}

TEST_F(ApplicationUiTest, IdlersGetTimeWhileTheLoopWaitsAndAFailingOneStarvesNobody) {
    TestApplication app;
    app.SetSleepTime(1);
    CountingIdler failing(true);
    CountingIdler idler;
    failing.StartIdling();
    idler.StartIdling();
    CountingIdler stopped;
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
    auto* saving = static_cast<TestDocument*>(app.AdoptSubCommander(
        std::make_unique<TestDocument>(nullptr, LDocument::SaveChoice::DontSave)));
    auto* refusing = static_cast<TestDocument*>(app.AdoptSubCommander(
        std::make_unique<TestDocument>(nullptr, LDocument::SaveChoice::Cancel)));
    saving->SetModified(true);
    refusing->SetModified(true);
    EXPECT_FALSE(app.DoQuit());
    EXPECT_FALSE(app.IsQuitting());
    EXPECT_TRUE(saving->askedWhileQuitting);
    EXPECT_TRUE(refusing->askedWhileQuitting);
    EXPECT_TRUE(saving->IsClosed());
    EXPECT_FALSE(refusing->IsClosed());
    EXPECT_EQ(app.GetDocuments(), (std::vector<LDocument*>{refusing}));

    refusing->SetModified(false); // now it closes without asking
    EXPECT_TRUE(app.DoQuit());
    EXPECT_TRUE(app.IsQuitting());
    EXPECT_TRUE(app.GetDocuments().empty());
}

TEST_F(ApplicationUiTest, DefaultCommandsAreEnabledAtTheRoot) {
    TestApplication app;
    LCommander::SwitchTarget(nullptr); // commands then start at the application
    for (CommandT command : {cmd_About, cmd_New, cmd_Open, cmd_PageSetup, cmd_Quit})
        EXPECT_TRUE(LCommander::DispatchCommandStatus(command).enabled) << command;
    for (CommandT command : {cmd_Close, cmd_Save, cmd_Revert, cmd_Print, cmd_Undo})
        EXPECT_FALSE(LCommander::DispatchCommandStatus(command).enabled) << command;
    EXPECT_TRUE(LCommander::DispatchCommand(cmd_New));
    EXPECT_EQ(app.newDocuments, 1);
}

TEST_F(ApplicationUiTest, ReopenMakesADocumentOnlyWithoutVisibleRegularWindow) {
    TestApplication app;
    app.DoReopen();
    EXPECT_EQ(app.newDocuments, 1);
    auto window = std::make_unique<LWindow>(nullptr, WindowLayer::Regular);
    window->Show();
    app.DoReopen();
    EXPECT_EQ(app.newDocuments, 1);
}

TEST_F(ApplicationUiTest, OnlyOneApplicationAtATime) {
    TestApplication app;
    EXPECT_EQ(LApplication::GetCurrent(), &app);
    EXPECT_THROW(TestApplication second, LException);
    EXPECT_EQ(LApplication::GetCurrent(), &app);
}

TEST_F(ApplicationUiTest, MenuActionsDispatchThroughTheChainAndReflectStatus) {
    TestApplication app;
    app.GetMenuBar().AddMenu(131, "Paint");
    app.GetMenuBar().AddItem(131, {kToggleCommand, "Connect", {}});
    app.GetMenuBar().AddItem(131, {kRenamedCommand, "Original", {}});
    app.GetMenuBar().AddItem(131, {kDisabledCommand, "Never", {}});
    app.SetUndoer(std::make_unique<LUndoer>());
    // Every window made while the application lives carries its menu bar.
    auto* window = static_cast<LWindow*>(app.AdoptSubCommander(std::make_unique<LWindow>()));
    LCommander inner(window);
    LCommander::SwitchTarget(&inner);

    QMenu* menu = nullptr;
    QAction* toggle = actionFor(window->menuBar(), kToggleCommand, &menu);
    ASSERT_NE(toggle, nullptr);
    emit menu->aboutToShow();
    EXPECT_TRUE(toggle->isEnabled());
    EXPECT_FALSE(toggle->isChecked());
    QAction* renamed = actionFor(window->menuBar(), kRenamedCommand, &menu);
    QAction* disabled = actionFor(window->menuBar(), kDisabledCommand, &menu);
    EXPECT_EQ(renamed->text(), "Renamed Item");
    EXPECT_FALSE(disabled->isEnabled());

    toggle->trigger();
    EXPECT_TRUE(app.toggled);
    emit menu->aboutToShow();
    EXPECT_TRUE(toggle->isCheckable());
    EXPECT_TRUE(toggle->isChecked());

    // A disabled item does nothing even when its action fires (a stale shortcut).
    disabled->setEnabled(true);
    disabled->trigger();
    EXPECT_EQ(app.otherCommands, 0);

    // The Undo item takes its text from the chain.
    QMenu* editMenu = nullptr;
    QAction* undo = actionFor(window->menuBar(), cmd_Undo, &editMenu);
    ASSERT_NE(undo, nullptr);
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
    EXPECT_TRUE(bar.HasCommand(cmd_Quit));
    bar.AddItem(kFileMenuID, {504, "New Program", {}}, 1);
    ASSERT_NE(bar.FindMenu(kFileMenuID), nullptr);
    EXPECT_EQ(bar.FindMenu(kFileMenuID)->items.at(1).command, 504);
    EXPECT_TRUE(bar.RemoveCommand(cmd_Quit));
    EXPECT_FALSE(bar.HasCommand(cmd_Quit));
    EXPECT_FALSE(bar.RemoveCommand(cmd_Quit));
    QMenuBar qbar;
    bar.InstallOn(&qbar);
    ASSERT_EQ(qbar.actions().size(), 2);
    EXPECT_EQ(qbar.actions().at(0)->text(), "&File");
    int separators = 0;
    for (QAction* action : qbar.actions().at(0)->menu()->actions())
        separators += action->isSeparator() ? 1 : 0;
    EXPECT_EQ(separators, 3);
}

} // namespace
