// Runs from the editor into a real picture: undo of a whole run, parse errors with their alert,
// the running instruction's selection, stopping with a key, the heading between runs.

#include "../app/ApplicationTestSupport.h"
#include "EditorCommands.h"

namespace {

QImage pixels(CPaintWindow* view) {
    return view->canvas().image().copy();
}

TEST_F(EditorTest, UndoAndRedoOfARunRestoreTheExactPixels) {
    CPaintWindow* view = newPicture();
    ASSERT_NE(view, nullptr);
    setText(QStringLiteral("speed 100\nrepeat 36 [ forward 120 right 100 ]"));
    // The first run: something to undo back to.
    editor->ObeyCommand(EditorCommand::kRunProgram, nullptr);
    const QImage before = pixels(view);
    editor->BecomeTarget();
    setText(QStringLiteral("speed 100\ncolor red\nrepeat 5 [ forward 90 left 144 ]"));
    LCommander::DispatchCommand(EditorCommand::kRunProgram);
    const QImage after = pixels(view);
    ASSERT_NE(after, before);
    EXPECT_EQ(LCommander::DispatchCommandStatus(cmd_Undo).name.view(), "Undo Program Run");
    LCommander::DispatchCommand(cmd_Undo);
    EXPECT_EQ(pixels(view), before);
    EXPECT_EQ(LCommander::DispatchCommandStatus(cmd_Undo).name.view(), "Redo Program Run");
    LCommander::DispatchCommand(cmd_Undo);
    EXPECT_EQ(pixels(view), after);
    // Typing makes Undo the editor's again.
    QTest::keyClick(editor, Qt::Key_X);
    EXPECT_EQ(LCommander::DispatchCommandStatus(cmd_Undo).name.view(), "Undo Typing");
}

TEST_F(EditorTest, AParseErrorSelectsTheTokenAndShowsTheAlert) {
    ASSERT_NE(newPicture(), nullptr);
    editor->BecomeTarget();
    // Two-byte, three-byte and four-byte characters before the error.
    setText(QStringLiteral("-- grüße € 🐢\nforward 10\nforwrd 20\n"));
    QStringList shown;
    ModalAnswers user({[&](QWidget* modal) {
        auto* box = qobject_cast<QMessageBox*>(modal);
        ASSERT_NE(box, nullptr) << "the standard alert form";
        shown << box->text() << box->informativeText();
        QTest::keyClick(box, Qt::Key_Return);
    }});
    editor->ObeyCommand(EditorCommand::kRunProgram, nullptr);
    EXPECT_EQ(editor->textCursor().selectedText(), QStringLiteral("forwrd"));
    EXPECT_EQ(shown,
              (QStringList{"Unknown word: forwrd", "Line 3, column 1. Did you mean “forward”?"}));
}

TEST_F(EditorTest, ASlowRunSelectsEachInstructionAndAKeyStopsIt) {
    ASSERT_NE(newPicture(), nullptr);
    editor->BecomeTarget();
    setText(QStringLiteral("delay 12\nforward 10\nright 90\nforward 20\nright 45\nforward 5"));
    QStringList seen;
    bool pressed = false;
    QTimer sampler;
    QObject::connect(&sampler, &QTimer::timeout, [&] {
        const QString selected = editor->textCursor().selectedText();
        if (!selected.isEmpty() && (seen.isEmpty() || seen.back() != selected))
            seen.append(selected);
        if (seen.size() == 3 && !pressed) {
            pressed = true; // through the event queue, as a user's key comes
            QCoreApplication::postEvent(editor, new QKeyEvent(QEvent::KeyPress, Qt::Key_Q,
                                                              Qt::NoModifier, QStringLiteral("q")));
        }
    });
    sampler.start(15);
    const QString text = editor->toPlainText();
    QTest::keyClick(editor, Qt::Key_R, Qt::ControlModifier);
    sampler.stop();
    EXPECT_EQ(seen, (QStringList{"forward 10", "right 90", "forward 20"}));
    EXPECT_EQ(editor->toPlainText(), text) << "the stopping key is not typed";
    EXPECT_EQ(editor->runHeading(), 90);

    // The next run starts from the heading the last one ended with.
    setText(QStringLiteral("right 30"));
    editor->ObeyCommand(EditorCommand::kRunProgram, nullptr);
    EXPECT_EQ(editor->runHeading(), 120);
}

} // namespace
