// Runs from the editor into a real picture: the running instruction's selection, stopping with a
// key, the heading between runs, parse errors with their alert, undo of a whole run.

#include "../app/ApplicationTestSupport.h"

TEST_F(EditorTest, ASlowRunSelectsEachInstructionAKeyStopsItParseErrorsAndUndoOfRuns) {
    CPaintWindow* view = newPicture();
    ASSERT_NE(view, nullptr);
    editor->BecomeTarget();
    setText(QStringLiteral("delay 12\nforward 10\nright 90\nforward 20\nright 45\nforward 5"));
    QStringList seen;
    bool pressed = false;
    // Each selection as the run makes it, so that none is missed however busy the machine.
    const auto watch = QObject::connect(editor, &QPlainTextEdit::selectionChanged, editor, [&] {
        const QString selected = editor->textCursor().selectedText();
        if (!selected.isEmpty() && (seen.isEmpty() || seen.back() != selected))
            seen.append(selected);
        if (seen.size() == 3 && !pressed) {
            pressed = true; // through the event queue, as a user's key comes
            QCoreApplication::postEvent(editor, new QKeyEvent(QEvent::KeyPress, Qt::Key_Q,
                                                              Qt::NoModifier, QStringLiteral("q")));
        }
    });
    const QString text = editor->toPlainText();
    QTest::keyClick(editor, Qt::Key_R, Qt::ControlModifier);
    QObject::disconnect(watch);
    EXPECT_EQ(seen, (QStringList{"forward 10", "right 90", "forward 20"}));
    EXPECT_EQ(editor->toPlainText(), text) << "the stopping key is not typed";
    EXPECT_EQ(editor->runHeading(), 90);

    // The next run starts from the heading the last one ended with.
    setText(QStringLiteral("right 30"));
    editor->ObeyCommand(EditorCommand::kRunProgram, nullptr);
    EXPECT_EQ(editor->runHeading(), 120);

    // A parse error selects its word, after two-, three- and four-byte characters, and says why.
    setText(QStringLiteral("-- grüße € 🐢\nforward 10\nforwrd 20\n"));
    QStringList shown;
    ModalAnswers user({readThenPress(shown)});
    editor->ObeyCommand(EditorCommand::kRunProgram, nullptr);
    EXPECT_EQ(editor->textCursor().selectedText(), QStringLiteral("forwrd"));
    EXPECT_EQ(shown,
              (QStringList{"Unknown word: forwrd", "Line 3, column 1. Did you mean “forward”?"}));

    // Undo and Redo of a whole run restore the exact pixels: the slow run's lines come back.
    const QImage before = view->canvas().image();
    setText(QStringLiteral("speed 100\ncolor red\nrepeat 5 [ forward 90 left 144 ]"));
    LCommander::DispatchCommand(EditorCommand::kRunProgram);
    const QImage after = view->canvas().image();
    ASSERT_NE(after, before);
    EXPECT_EQ(LCommander::DispatchCommandStatus(cmd_Undo).name.view(), "Undo Program Run");
    LCommander::DispatchCommand(cmd_Undo);
    EXPECT_EQ(view->canvas().image(), before);
    EXPECT_EQ(LCommander::DispatchCommandStatus(cmd_Undo).name.view(), "Redo Program Run");
    LCommander::DispatchCommand(cmd_Undo);
    EXPECT_EQ(view->canvas().image(), after);
    // Typing makes Undo the editor's again.
    QTest::keyClick(editor, Qt::Key_X);
    EXPECT_EQ(LCommander::DispatchCommandStatus(cmd_Undo).name.view(), "Undo Typing");
}
