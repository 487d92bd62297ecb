// Keys, the byte limit and the editor's own history, with real key events.

#include "EditorTestSupport.h"

#include <QClipboard>
#include <QMimeData>

using namespace editor_test;

TEST_F(EditorTest, TabAndKeypadEnterInsertTheirText) {
    struct Case {
        Qt::Key key;
        Qt::KeyboardModifiers modifiers;
        QString expected;
    };
    const Case cases[] = {
        {Qt::Key_Tab, Qt::NoModifier, QStringLiteral("ab  ")},
        {Qt::Key_Enter, Qt::KeypadModifier, QStringLiteral("ab\n")},
    };
    EXPECT_FALSE(editor->programDirty());
    for (const Case& c : cases) {
        SCOPED_TRACE(c.expected.toStdString());
        setText(QStringLiteral("ab"));
        QTest::keyClick(editor, c.key, c.modifiers);
        EXPECT_EQ(editor->toPlainText(), c.expected);
        EXPECT_TRUE(editor->programDirty());
    }
}

TEST_F(EditorTest, TheLimitCountsUtf8BytesAndRefusesEveryInsertion) {
    constexpr int kLimit = LTextEditView::kDefaultMaxBytes;
    // 31742 bytes: one two-byte character more fits, a three-byte one does not.
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
    setText(QString());
    QTest::keyClicks(editor, QStringLiteral("forward"));
    QTest::keyClick(editor, Qt::Key_Return);
    QTest::keyClicks(editor, QStringLiteral("left"));
    const QString typed = editor->toPlainText();
    EXPECT_EQ(LCommander::DispatchCommandStatus(cmd_Undo).name.view(), "Undo Typing");
    int steps = 0;
    while (!editor->toPlainText().isEmpty() && steps < 20) {
        LCommander::DispatchCommand(cmd_Undo);
        ++steps;
    }
    EXPECT_GE(steps, 2) << "more than one level";
    EXPECT_EQ(editor->toPlainText(), QString());
    QTest::keyClick(editor, Qt::Key_Z, Qt::ControlModifier | Qt::ShiftModifier);
    EXPECT_FALSE(editor->toPlainText().isEmpty()) << "redo";
}
