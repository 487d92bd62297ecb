// Run control with a real event loop: stopping, re-entry, pacing and highlighting. The
// interpreter's tests take events, so they run inside the program's kind of application object
// (offscreen).

#include "InterpreterTestSupport.h"
#include "LApplication.h"
#include "LEventGuard.h"
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

struct TimedStrokesView : NullTurtleView {
    std::uint64_t microseconds = 0;
    void lineTurtleTo(Point p, float heading) override {
        gTestMicroseconds += microseconds;
        NullTurtleView::lineTurtleTo(p, heading);
    }
};

} // namespace

// A key press or a click stops the run before the next instruction; the key is swallowed.
TEST_F(InterpreterTest, APressStopsTheRunAndIsSwallowed) {
    const QPointF at(1, 1);
    for (const bool click : {false, true}) {
        SCOPED_TRACE(click ? "click" : "key");
        view.calls.clear();
        editor.text = "delay 3\nrepeat 1000 [ forward 1 ]\nright 9";
        std::size_t linesAtPress = 0;
        bool runningAtPress = false;
        int dispatched = 0;
        QTimer::singleShot(100, [&] {
            linesAtPress = strokes().size();
            runningAtPress = RunInProgress();
            if (click)
                QCoreApplication::postEvent(
                    &editor, new QMouseEvent(QEvent::MouseButtonPress, at, at, at, Qt::LeftButton,
                                             Qt::LeftButton, Qt::NoModifier));
            else
                postKeyPress(&editor);
            QMetaObject::invokeMethod(
                &editor, [&] { ++dispatched; }, Qt::QueuedConnection);
        });
        RunProgram(editor);
        EXPECT_TRUE(runningAtPress);
        EXPECT_FALSE(RunInProgress());
        EXPECT_GT(linesAtPress, 0u);
        EXPECT_LE(strokes().size(), linesAtPress + 1);
        EXPECT_EQ(dispatched, 1) << "what is not a press is dispatched";
        EXPECT_EQ(editor.keysReceived, 0);
        EXPECT_EQ(editor.heading, 0);
    }
    // Between runs keys reach the editor again; before a run they are thrown away.
    postKeyPress(&editor);
    QCoreApplication::processEvents();
    EXPECT_EQ(editor.keysReceived, 1);
    postKeyPress(&editor);
    DiscardPendingInput();
    EXPECT_FALSE(PollUserAbort(0));
}

// Slow levels select each instruction before it runs and wait; speed 100 hides the turtle and
// ends the highlighting.
TEST_F(InterpreterTest, SlowLevelsSelectEachInstructionBeforeItRunsAndWait) {
    editor.text = "delay 12\nforward 1\nspeed 100\nforward 2\nforward 3";
    std::vector<std::size_t> linesAtSelection;
    std::vector<std::uint32_t> ticksAtSelection;
    const std::uint32_t started = TickCount();
    editor.onSelect = [&] {
        linesAtSelection.push_back(strokes().size());
        ticksAtSelection.push_back(TickCount() - started);
    };
    RunProgram(editor);
    EXPECT_EQ(editor.calls,
              (Calls{"scroll", "select 9..18", "redraw", "select 19..28", "redraw", "align"}));
    EXPECT_EQ(linesAtSelection, (std::vector<std::size_t>{0, 1}));
    ASSERT_EQ(ticksAtSelection.size(), 2u);
    EXPECT_GE(ticksAtSelection[0], 10u);
    EXPECT_GE(ticksAtSelection[1] - ticksAtSelection[0], 10u);
    EXPECT_EQ(Joined(view.only({"show", "hide", "line"})),
              "show show line 100,99 h0 hide line 100,97 h0 line 100,94 h0 hide");
}

// Nothing to run still marks the picture; a parse error is reported and nothing runs.
TEST_F(InterpreterTest, EmptyProgramsAndParseErrors) {
    const std::string longText = QByteArray("forward 1 ").repeated(1500000).toStdString();
    const std::tuple<std::string, Calls, int> cases[] = {
        {"  \n# only a comment\n", {"scroll", "align"}, 1},
        {"", {}, 0},
        {"forward 1 bogus", {"scroll", "error 2", "align"}, 0},
        {longText, {"scroll", "error 0", "align"}, 0}}; // a press cancels it: no message
    for (const auto& [text, calls, marks] : cases) {
        SCOPED_TRACE(text.substr(0, 20));
        RecordingEditor runner;
        runner.text = text;
        view.modifiedMarks = 0;
        if (text == longText)
            QTimer::singleShot(20, [&] { postKeyPress(&runner); });
        RunProgram(runner);
        EXPECT_EQ(runner.calls, calls);
        EXPECT_EQ(view.modifiedMarks, marks);
        EXPECT_TRUE(strokes().empty());
        EXPECT_EQ(runner.keysReceived, 0);
    }
}

// A picture closed during the run, by a timer or by the colour picker's command, ends it; an
// editor closed during its run is left alone and the run goes on.
TEST_F(InterpreterTest, WindowsClosedDuringTheRun) {
    auto doomed = std::make_unique<RecordingTurtleView>();
    front = doomed.get();
    editor.text = "delay 3\nrepeat 100 [ forward 1 ]";
    QTimer::singleShot(50, [&] {
        front = nullptr;
        doomed.reset();
    });
    RunProgram(editor);
    EXPECT_EQ(doomed, nullptr);
    EXPECT_EQ(editor.calls.back(), "align");

    view.onCommand = [&](CommandT) { front = nullptr; };
    doomed = std::make_unique<RecordingTurtleView>();
    doomed->onCommand = [&](CommandT) { doomed.reset(); };
    front = doomed.get();
    editor.calls.clear();
    editor.text = "colour custom\nforward 1";
    RunProgram(editor);
    EXPECT_EQ(doomed, nullptr);
    EXPECT_EQ(editor.calls.back(), "align");

    front = &view;
    view = {};
    auto gone = std::make_unique<RecordingEditor>();
    gone->text = "delay 3\nrepeat 10 [ forward 1 ]\nright 90";
    QTimer::singleShot(50, [&] { gone.reset(); });
    RunProgram(*gone);
    EXPECT_EQ(gone, nullptr);
    EXPECT_EQ(strokes().size(), 10u);
}

// During a run a dialog takes its clicks and the run goes on; a second run command does nothing;
// idlers get no time until the run is over.
TEST_F(InterpreterTest, DuringARunOnlyDialogsGetTime) {
    struct Idler : LPeriodical {
        int duringRun = 0, betweenRuns = 0;
        void SpendTime() override { ++(RunInProgress() ? duringRun : betweenRuns); }
    };
    LApplication application;
    Idler idler;
    idler.StartIdling();
    editor.text = "delay 3\nrepeat 12 [ forward 1 ]\nright 45";
    RecordingEditor second;
    second.text = "forward 77";
    QTimer::singleShot(30, [&] { RunProgram(second); });
    MessageBoxAnswerer answerer(QMessageBox::Ok);
    int result = 0;
    QTimer::singleShot(60, [&] {
        QMessageBox box(QMessageBox::Information, QString(), "nested", QMessageBox::Ok);
        result = box.exec();
    });
    RunProgram(editor);
    EXPECT_EQ(answerer.shown, 1);
    EXPECT_EQ(answerer.stuck, 0) << "the click reached the dialog";
    EXPECT_EQ(result, QMessageBox::Ok);
    EXPECT_TRUE(second.calls.empty());
    EXPECT_EQ(strokes().size(), 12u) << "a click in the dialog is not a press that stops the run";
    EXPECT_EQ(strokes().back(), "line 100,88 h0");
    EXPECT_TRUE(commands.empty());
    EXPECT_EQ(view.modifiedMarks, 2) << "once before and once after the one run";
    EXPECT_EQ(editor.heading, 45);
    EXPECT_EQ(idler.duringRun, 0);
    QTest::qWait(200);
    EXPECT_GT(idler.betweenRuns, 0);
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

TEST(Pacing, AtFullSpeedEventsAreTakenOncePerRefreshInterval) {
    // Slow strokes have the clock read before each; fast ones only now and then.
    for (const auto& [microsecondsPerStroke, strokes] : {std::pair{1000, 2000}, {10, 30000}}) {
        SCOPED_TRACE(testing::Message() << microsecondsPerStroke << " us per stroke");
        TimedStrokesView view;
        view.microseconds = microsecondsPerStroke;
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

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    LGuardedApplication application(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
