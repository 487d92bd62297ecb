// Keys, the byte limit and the editor's own history, with real key events.

#include "../app/ApplicationTestSupport.h"

#include <QClipboard>

namespace {

TEST_F(EditorTest, TabAndKeypadEnterInsertTheirText) {
    EXPECT_FALSE(editor->programDirty());
    for (const auto& [key, expected] : {std::pair{Qt::Key_Tab, "ab  "}, {Qt::Key_Enter, "ab\n"}}) {
        SCOPED_TRACE(expected);
        setText(QStringLiteral("ab"));
        QTest::keyClick(editor, key, key == Qt::Key_Enter ? Qt::KeypadModifier : Qt::NoModifier);
        EXPECT_EQ(editor->toPlainText(), QString::fromLatin1(expected));
        EXPECT_TRUE(editor->programDirty());
    }
}

TEST_F(EditorTest, TheLimitCountsUtf8BytesAndRefusesEveryInsertion) {
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
    QTextCursor cursor = editor->textCursor();
    cursor.setPosition(0);
    cursor.setPosition(2, QTextCursor::KeepAnchor);
    editor->setTextCursor(cursor);
    editor->ObeyCommand(cmd_Paste, nullptr);
    EXPECT_EQ(editor->toPlainText().left(3), QStringLiteral("yyx"));
    EXPECT_EQ(editor->TextBytes(), kLimit);
}

TEST_F(EditorTest, UndoWalksTheEditorsHistoryAndNamesIt) {
    QTest::keyClicks(editor, QStringLiteral("forward"));
    QTest::keyClick(editor, Qt::Key_Return);
    QTest::keyClicks(editor, QStringLiteral("left"));
    EXPECT_EQ(LCommander::DispatchCommandStatus(cmd_Undo).name.view(), "Undo Typing");
    int steps = 0;
    for (; !editor->toPlainText().isEmpty() && steps < 20; ++steps)
        LCommander::DispatchCommand(cmd_Undo);
    EXPECT_GE(steps, 2) << "more than one level";
    EXPECT_EQ(editor->toPlainText(), QString());
    QTest::keyClick(editor, Qt::Key_Z, Qt::ControlModifier | Qt::ShiftModifier);
    EXPECT_FALSE(editor->toPlainText().isEmpty()) << "redo";
}

} // namespace
