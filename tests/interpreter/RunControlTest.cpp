// Run control with a real event loop: stopping, re-entry, pacing and highlighting. The
// interpreter's tests take events, so they run inside the program's kind of application object
// (offscreen). Timers that act on a test's objects end with the test.

#include "InterpreterTestSupport.h"
#include "LApplication.h"
#include "LEventGuard.h"
#include "LPeriodical.h"
#include "LanguageTables.h"
#include "MessageBoxAnswerer.h"
#include "ResourceChain.h"
#include "StepTimer.h"

#include <QMouseEvent>
#include <QTimer>
#include <qpa/qwindowsysteminterface.h>

namespace {

void postKeyPress(QObject* receiver) {
    QCoreApplication::postEvent(receiver,
                                new QKeyEvent(QEvent::KeyPress, Qt::Key_A, Qt::NoModifier));
}

// The pacing's clock in tests: each stroke takes its time, nothing else does.
std::uint64_t gMicroseconds = 0, gMicrosecondsPerStroke = 0;
struct TimedStrokesView : NullTurtleView {
    void lineTurtleTo(Point p, float heading) override {
        gMicroseconds += gMicrosecondsPerStroke;
        NullTurtleView::lineTurtleTo(p, heading);
    }
};

} // namespace

// Input the window system queued before the run (typing ahead, the run shortcut's repeat) is
// thrown away. A click stops the run before the next instruction and is swallowed (keys go the
// same way, shown by the editor's slow run); what is not a press is dispatched; between runs keys
// reach the editor again.
TEST_F(InterpreterTest, QueuedInputIsDroppedAndAClickStopsTheRun) {
    editor.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&editor));
    QWindowSystemInterface::handleKeyEvent<QWindowSystemInterface::AsynchronousDelivery>(
        editor.windowHandle(), QEvent::KeyPress, Qt::Key_R, Qt::ControlModifier, "r", true);
    editor.text = "delay 3\nrepeat 1000 [ forward 1 ]\nright 9";
    int linesAtPress = -1, dispatched = 0;
    QTimer::singleShot(100, &editor, [&] {
        linesAtPress = RunInProgress() ? view.strokes : -1;
        const QPointF at(1, 1);
        QCoreApplication::postEvent(&editor, new QMouseEvent(QEvent::MouseButtonPress, at, at, at,
                                                             Qt::LeftButton, Qt::LeftButton,
                                                             Qt::NoModifier));
        QMetaObject::invokeMethod(
            &editor, [&] { ++dispatched; }, Qt::QueuedConnection);
    });
    RunProgram(editor);
    EXPECT_GT(linesAtPress, 0) << "the queued key did not stop the run";
    EXPECT_LE(view.strokes, linesAtPress + 1);
    EXPECT_EQ(dispatched, 1);
    EXPECT_EQ(editor.heading, 0);
    postKeyPress(&editor);
    QCoreApplication::processEvents();
    EXPECT_EQ(editor.keysReceived, 1);
}

// Slow levels select each instruction before it runs (the lines drawn by then are noted) and wait
// ten ticks at level 12; speed 100 ends the highlighting.
TEST_F(InterpreterTest, SlowLevelsSelectEachInstructionBeforeItRunsAndWait) {
    editor.text = "delay 12\nforward 1\nspeed 100\nforward 2\nforward 3";
    editor.watched = &view;
    const std::uint32_t started = TickCount();
    RunProgram(editor);
    EXPECT_GE(TickCount() - started, 20u);
    EXPECT_EQ(editor.calls, (Calls{"scroll", "select 9..18 after 0 lines", "redraw",
                                   "select 19..28 after 1 lines", "redraw", "align"}));
}

// Nothing to run still marks the picture; a parse error is reported and nothing runs.
TEST_F(InterpreterTest, EmptyProgramsAndParseErrors) {
    const std::string longText = QByteArray("forward 1 ").repeated(1500000).toStdString();
    const std::tuple<std::string, Calls, int> cases[] = {
        {"  \n# only a comment\n", {"scroll", "align"}, 1},
        {"forward 1 bogus", {"scroll", "error 2", "align"}, 0},
        {longText, {"scroll", "error 0", "align"}, 0}}; // a press cancels it: no message
    for (const auto& [text, calls, marks] : cases) {
        SCOPED_TRACE(text.substr(0, 20));
        RecordingEditor runner;
        runner.text = text;
        view.modifiedMarks = 0;
        if (text == longText)
            QTimer::singleShot(20, &runner, [&] { postKeyPress(&runner); });
        RunProgram(runner);
        EXPECT_EQ(std::tuple(runner.calls, view.modifiedMarks, view.strokes, runner.keysReceived),
                  std::tuple(calls, marks, 0, 0));
    }
}

// A picture closed during the run, by a timer or by the colour picker's command, ends it; an
// editor closed during its run is left alone and the run goes on.
TEST_F(InterpreterTest, WindowsClosedDuringTheRun) {
    for (const bool byCommand : {false, true}) {
        auto doomed = std::make_unique<RecordingTurtleView>();
        front = doomed.get();
        editor.text = byCommand ? "colour custom\nforward 1" : "delay 3\nrepeat 100 [ forward 1 ]";
        if (byCommand)
            doomed->onCommand = [&](CommandT) { front = nullptr, doomed.reset(); };
        else
            QTimer::singleShot(50, &editor, [&] { doomed.reset(); });
        RunProgram(editor);
        EXPECT_EQ(doomed, nullptr);
        EXPECT_EQ(editor.calls.back(), "align");
    }

    front = &view;
    auto gone = std::make_unique<RecordingEditor>();
    gone->text = "delay 3\nrepeat 10 [ forward 1 ]\nright 90";
    QTimer::singleShot(50, &editor, [&] { gone.reset(); });
    RunProgram(*gone);
    EXPECT_EQ(gone, nullptr);
    EXPECT_EQ(view.strokes, 10);
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
    QTimer::singleShot(30, &second, [&] { RunProgram(second); });
    MessageBoxAnswerer answerer(QMessageBox::Ok);
    QTimer::singleShot(60, [] {
        QMessageBox(QMessageBox::Information, QString(), "nested", QMessageBox::Ok).exec();
    });
    RunProgram(editor);
    EXPECT_EQ(answerer.shown, 1);
    EXPECT_EQ(answerer.stuck, 0) << "the click reached the dialog";
    EXPECT_TRUE(second.calls.empty());
    EXPECT_EQ(view.strokes, 12) << "a click in the dialog is not a press that stops the run";
    EXPECT_EQ(view.modifiedMarks, 2) << "once before and once after the one run";
    EXPECT_EQ(idler.duringRun, 0);
    QTest::qWait(200);
    EXPECT_GT(idler.betweenRuns, 0);
}

TEST(Pacing, AtFullSpeedEventsAreTakenOncePerRefreshInterval) {
    // Slow strokes have the clock read before each; fast ones only now and then.
    for (const auto& [microsecondsPerStroke, strokes] : {std::pair{1000, 2000}, {10, 30000}}) {
        SCOPED_TRACE(testing::Message() << microsecondsPerStroke << " us per stroke");
        TimedStrokesView view;
        gMicrosecondsPerStroke = microsecondsPerStroke;
        const std::string program =
            Str("speed 100\nrepeat ", strokes / 2, " [ forward 1\nback 1 ]");
        RunContext context(program, 0, &view, nullptr);
        gMicroseconds = 5000000;
        TheStepTimer().setClock([] { return gMicroseconds; });
        ExecuteRun(context);
        TheStepTimer().setClock(nullptr);
        const int ticks = microsecondsPerStroke * strokes * 60 / 1000000;
        EXPECT_NEAR(double(context.pollStatistics.polls), ticks / context.refreshInterval, 1.0);
    }
}

TEST(StepTimer, ExpiresAtItsDeadlineAndWhenTheCounterWraps) {
    StepTimer timer;
    timer.startAt(0xFFFFFFF0u, 4);
    EXPECT_EQ((std::vector<bool>{timer.expiredAt(0xFFFFFFF3u), timer.expiredAt(0xFFFFFFF4u),
                                 timer.expiredAt(2)}),
              (std::vector<bool>{false, true, true}));
}

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    LGuardedApplication application(argc, argv);
    InitLanguageTablesFrom(ResourceChain(LoadApplicationResources())); // the shipped English words
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
