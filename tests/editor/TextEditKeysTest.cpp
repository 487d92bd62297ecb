// Keys, the byte limit and the editor's own history, with real key events.

#include "../app/ApplicationTestSupport.h"

TEST_F(EditorTest, KeysUndoAndTheByteLimitWhichRefusesEveryInsertion) {
    EXPECT_FALSE(editor->programDirty());
    QTest::keyClicks(editor, QStringLiteral("forward"));
    QTest::keyClick(editor, Qt::Key_Enter, Qt::KeypadModifier);
    QTest::keyClicks(editor, QStringLiteral("left"));
    QTest::keyClick(editor, Qt::Key_Tab);
    EXPECT_EQ(editor->toPlainText(), QStringLiteral("forward\nleft  "));
    EXPECT_TRUE(editor->programDirty());
    int steps = 0;
    for (; !editor->toPlainText().isEmpty() && steps < 20; ++steps)
        LCommander::DispatchCommand(cmd_Undo);
    EXPECT_GE(steps, 2) << "more than one level";
    EXPECT_EQ(editor->toPlainText(), QString());
    QTest::keyClick(editor, Qt::Key_Z, Qt::ControlModifier | Qt::ShiftModifier);
    EXPECT_FALSE(editor->toPlainText().isEmpty()) << "redo";

    // The limit counts UTF-8 bytes and refuses every insertion past it.
    constexpr int kLimit = LTextEditView::kDefaultMaxBytes;
    // Two bytes short: one two-byte character more fits, a three-byte one does not.
    setText(QString(kLimit - 2, QLatin1Char('x')));
    EXPECT_FALSE(editor->InsertText(QStringLiteral("€")));
    EXPECT_TRUE(editor->InsertText(QStringLiteral("ä")));
    EXPECT_EQ(editor->TextBytes(), kLimit);

    QTest::keyClick(editor, Qt::Key_Tab);
    QTest::keyClick(editor, Qt::Key_X);
    EXPECT_EQ(editor->TextBytes(), kLimit) << "typing past the limit";
    QApplication::clipboard()->setText(QStringLiteral("yy"));
    editor->ObeyCommand(cmd_Paste, nullptr);
    EXPECT_EQ(editor->TextBytes(), kLimit) << "paste past the limit";

    // With a selection, what replaces it may be as long as what it removes.
    editor->selectRange(0, 2);
    editor->ObeyCommand(cmd_Paste, nullptr);
    EXPECT_EQ(editor->toPlainText().left(3), QStringLiteral("yyx"));
    EXPECT_EQ(editor->TextBytes(), kLimit);
}
