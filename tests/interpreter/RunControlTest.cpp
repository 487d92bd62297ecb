// Run control with a real event loop: stopping, re-entry, pacing and highlighting.

#include "InterpreterTestSupport.h"
#include "LApplication.h"
#include "LPeriodical.h"
#include "MessageBoxAnswerer.h"
#include "NullTurtleView.h"
#include "PollUserAbort.h"
#include "StepTimer.h"

#include <QCoreApplication>
#include <QMouseEvent>
#include <QTimer>
#include <qpa/qwindowsysteminterface.h>
#include <tuple>

namespace {

void postKeyPress(QObject* receiver) {
    QCoreApplication::postEvent(receiver,
                                new QKeyEvent(QEvent::KeyPress, Qt::Key_A, Qt::NoModifier, "a"));
}

// The pacing's clock in tests: strokes advance it, nothing else does.
std::uint64_t gTestMicroseconds = 0;
std::uint64_t testClock() {
    return gTestMicroseconds;
}

class TimedStrokesView : public NullTurtleView {
public:
    explicit TimedStrokesView(std::uint64_t microseconds) : mMicroseconds(microseconds) {}
    void lineTurtleTo(Point p, float heading) override {
        gTestMicroseconds += mMicroseconds;
        NullTurtleView::lineTurtleTo(p, heading);
    }

private:
    std::uint64_t mMicroseconds;
};

} // namespace

TEST_F(InterpreterTest, AKeyPressStopsTheRunAndIsSwallowed) {
    editor.text = "delay 3\nrepeat 1000 [ forward 1 ]";
    std::size_t linesAtPress = 0;
    bool runningAtPress = false;
    QTimer::singleShot(100, [&] {
        linesAtPress = strokes().size();
        runningAtPress = RunInProgress();
        postKeyPress(&editor);
    });
    RunProgram(editor);
    EXPECT_TRUE(runningAtPress);
    EXPECT_FALSE(RunInProgress());
    EXPECT_GT(linesAtPress, 0u);
    EXPECT_LE(strokes().size(), linesAtPress + 1) << "stopped before the next instruction";
    EXPECT_EQ(editor.keysReceived, 0);
    EXPECT_EQ(editor.heading, 0);
    // Between runs keys reach the editor again.
    postKeyPress(&editor);
    QCoreApplication::processEvents();
    EXPECT_EQ(editor.keysReceived, 1);
}

TEST_F(InterpreterTest, ARunCommandDuringARunDoesNothing) {
    editor.text = "delay 3\nrepeat 8 [ forward 1 ]\nright 45";
    RecordingEditor second;
    second.text = "forward 77";
    QTimer::singleShot(30, [&] { RunProgram(second); });
    RunProgram(editor);
    EXPECT_TRUE(second.calls.empty());
    EXPECT_EQ(strokes().size(), 8u);
    EXPECT_EQ(strokes().back(), "line 100,92 h0");
    EXPECT_TRUE(host.commands.empty());
    EXPECT_EQ(view.modifiedMarks, 2) << "once before and once after the one run";
    EXPECT_EQ(editor.heading, 45);
}

// Slow levels select each instruction before it runs and wait; speed 100 hides the turtle and
// ends the highlighting.
TEST_F(InterpreterTest, SlowLevelsSelectEachInstructionBeforeItRunsAndWait) {
    editor.text = "delay 12\nforward 1\nspeed 100\nforward 2\nforward 3";
    std::vector<std::size_t> linesAtSelection;
    editor.onSelect = [&] { linesAtSelection.push_back(strokes().size()); };
    const std::uint32_t started = TickCount();
    RunProgram(editor);
    EXPECT_EQ(editor.calls,
              (Calls{"scroll", "select 9..18", "redraw", "select 19..28", "redraw", "align"}));
    EXPECT_EQ(linesAtSelection, (std::vector<std::size_t>{0, 1}));
    ASSERT_EQ(editor.selectionTicks.size(), 2u);
    EXPECT_GE(editor.selectionTicks[0] - started, 10u);
    EXPECT_GE(editor.selectionTicks[1] - editor.selectionTicks[0], 10u);
    EXPECT_EQ(view.only({"show", "hide", "line"}),
              (Calls{"show", "show", "line 100,99 h0", "hide", "line 100,97 h0", "line 100,94 h0",
                     "hide"}));
}

// Nothing to run still marks the picture; a parse error is reported and nothing runs.
TEST_F(InterpreterTest, EmptyProgramsAndParseErrors) {
    const std::tuple<const char*, Calls, int> cases[] = {
        {"  \n# only a comment\n", {"scroll", "align"}, 1},
        {"", {}, 0},
        {"forward 1 bogus", {"scroll", "error 2", "align"}, 0}};
    for (const auto& [text, calls, marks] : cases) {
        SCOPED_TRACE(text);
        RecordingEditor runner;
        runner.text = text;
        view.modifiedMarks = 0;
        RunProgram(runner);
        EXPECT_EQ(runner.calls, calls);
        EXPECT_EQ(view.modifiedMarks, marks);
        EXPECT_TRUE(strokes().empty());
    }
}

TEST_F(InterpreterTest, APressDuringALongParseCancelsIt) {
    editor.text = QByteArray("forward 1 ").repeated(1500000).toStdString();
    QTimer::singleShot(20, [&] { postKeyPress(&editor); });
    RunProgram(editor);
    EXPECT_EQ(Only(editor.calls, {"error"}), (Calls{"error 0"})) << "cancelled: no message";
    EXPECT_TRUE(strokes().empty());
    EXPECT_EQ(editor.keysReceived, 0);
}

// A picture closed during the run, by a timer or by the colour picker's command, ends it; an
// editor closed during its run is left alone and the run goes on.
TEST_F(InterpreterTest, WindowsClosedDuringTheRun) {
    auto doomed = std::make_unique<RecordingTurtleView>();
    host.front = doomed.get();
    editor.text = "delay 3\nrepeat 100 [ forward 1 ]";
    QTimer::singleShot(50, [&] {
        host.front = nullptr;
        doomed.reset();
    });
    RunProgram(editor);
    EXPECT_EQ(doomed, nullptr);
    EXPECT_EQ(editor.calls.back(), "align");

    view.onCommand = [&](CommandT) { host.front = nullptr; };
    doomed = std::make_unique<RecordingTurtleView>();
    doomed->onCommand = [&](CommandT) { doomed.reset(); };
    host.front = doomed.get();
    editor.calls.clear();
    editor.text = "colour custom\nforward 1";
    RunProgram(editor);
    EXPECT_EQ(doomed, nullptr);
    EXPECT_EQ(editor.calls.back(), "align");

    host.front = &view;
    view = {};
    auto gone = std::make_unique<RecordingEditor>();
    gone->text = "delay 3\nrepeat 10 [ forward 1 ]\nright 90";
    QTimer::singleShot(50, [&] { gone.reset(); });
    RunProgram(*gone);
    EXPECT_EQ(gone, nullptr);
    EXPECT_EQ(strokes().size(), 10u);
}

TEST_F(InterpreterTest, ADialogOpenedDuringARunTakesItsClicksAndTheRunGoesOn) {
    editor.text = "delay 3\nrepeat 12 [ forward 1 ]";
    MessageBoxAnswerer answerer(QMessageBox::Ok);
    int result = 0;
    QTimer::singleShot(30, [&] {
        QMessageBox box(QMessageBox::Information, QString(), "nested", QMessageBox::Ok);
        result = box.exec();
    });
    RunProgram(editor);
    EXPECT_EQ(answerer.shown, 1);
    EXPECT_EQ(answerer.stuck, 0) << "the click reached the dialog";
    EXPECT_EQ(result, QMessageBox::Ok);
    EXPECT_EQ(strokes().size(), 12u) << "a click in the dialog is not a press that stops the run";
}

// Typing ahead or the run shortcut's repeat, still queued by the window system.
TEST_F(InterpreterTest, InputQueuedBeforeTheRunIsThrownAway) {
    editor.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&editor));
    QWindowSystemInterface::handleKeyEvent<QWindowSystemInterface::AsynchronousDelivery>(
        editor.windowHandle(), QEvent::KeyPress, Qt::Key_R, Qt::ControlModifier, "r", true);
    editor.text = "delay 2\nforward 1\nforward 2";
    RunProgram(editor);
    EXPECT_EQ(strokes().size(), 2u);
    EXPECT_EQ(editor.keysReceived, 0);
}

TEST_F(InterpreterTest, IdlersGetNoTimeDuringARun) {
    struct Idler : LPeriodical {
        int duringRun = 0;
        int betweenRuns = 0;
        void SpendTime() override { ++(RunInProgress() ? duringRun : betweenRuns); }
    };
    LApplication application;
    Idler idler;
    idler.StartIdling();
    // About twenty ticks, far longer than the idle interval.
    editor.text = "delay 3\nrepeat 20 [ forward 1 ]";
    RunProgram(editor);
    EXPECT_EQ(idler.duringRun, 0);
    QTest::qWait(200);
    EXPECT_GT(idler.betweenRuns, 0);
}

TEST(PollUserAbort, PressesStopAndEverythingElseIsDispatched) {
    QWidget widget;
    int dispatched = 0;
    const auto post = [&] {
        QMetaObject::invokeMethod(
            &widget, [&] { ++dispatched; }, Qt::QueuedConnection);
    };
    post();
    EXPECT_FALSE(PollUserAbort(0));
    EXPECT_EQ(dispatched, 1);

    const QPointF at(1, 1);
    QCoreApplication::postEvent(&widget,
                                new QMouseEvent(QEvent::MouseButtonPress, at, at, at,
                                                Qt::LeftButton, Qt::LeftButton, Qt::NoModifier));
    post();
    EXPECT_TRUE(PollUserAbort(0));
    EXPECT_EQ(dispatched, 2);

    postKeyPress(&widget);
    DiscardPendingInput();
    EXPECT_FALSE(PollUserAbort(0)) << "a press made before the run was thrown away";
}

TEST(Pacing, AtFullSpeedEventsAreTakenOncePerRefreshInterval) {
    // Slow strokes have the clock read before each; fast ones only now and then.
    for (const auto& [microsecondsPerStroke, strokes] : {std::pair{1000, 2000}, {10, 30000}}) {
        SCOPED_TRACE(testing::Message() << microsecondsPerStroke << " us per stroke");
        TimedStrokesView view{std::uint64_t(microsecondsPerStroke)};
        RunContext context("speed 100\nrepeat " + std::to_string(strokes / 2) +
                               " [ forward 1\nback 1 ]",
                           0, &view, nullptr);
        ASSERT_TRUE(context.parseSucceeded);
        gTestMicroseconds = 5000000;
        TheStepTimer().setClock(testClock);
        ExecuteRun(context);
        TheStepTimer().setClock(nullptr);
        const int ticks = microsecondsPerStroke * strokes * 60 / 1000000;
        EXPECT_NEAR(double(context.pollStatistics.polls), ticks / context.refreshInterval, 1.0);
    }
}

TEST(StepTimer, ExpiresAtItsDeadlineAndWhenTheCounterWraps) {
    StepTimer timer;
    timer.startAt(100, 10);
    EXPECT_FALSE(timer.expiredAt(109));
    EXPECT_TRUE(timer.expiredAt(110));
    timer.startAt(0xFFFFFFF0u, 4);
    EXPECT_FALSE(timer.expiredAt(0xFFFFFFF3u));
    EXPECT_TRUE(timer.expiredAt(2)) << "the counter wrapped past the start";
    timer.startAt(5, 0);
    EXPECT_TRUE(timer.expiredAt(5));
}
