// Program text files through the editor: line ends, identical bytes, Revert, a failed load,
// the save question.

#include "ProgramFiles.h"

#include "../app/ApplicationTestSupport.h"

TEST_F(EditorTest, ProgramFilesLoadEveryLineEndSaveIdenticalBytesAndAskBeforeClosing) {
    for (const char* stored :
         {"forward 1\rleft 2\r", "forward 1\nleft 2\n", "forward 1\r\nleft 2\r\n"}) {
        SCOPED_TRACE(stored);
        ASSERT_TRUE(writeFile(path("p.turtle"), stored));
        editor->SetProgramFile(FileLocation(path("p.turtle")));
        ASSERT_TRUE(editor->LoadProgramFile());
        EXPECT_EQ(std::tuple(editor->toPlainText(), editor->blockCount(), editor->programDirty(),
                             LCommander::DispatchCommandStatus(cmd_Revert).enabled),
                  std::tuple(QStringLiteral("forward 1\nleft 2\n"), 3, false, false));
    }
    EXPECT_EQ(window->windowTitle(), QStringLiteral("p.turtle"));
    EXPECT_EQ(WithProgramSuffix(QStringLiteral("/a/new")), QStringLiteral("/a/new.turtle"));
    EXPECT_EQ(WithProgramSuffix(QStringLiteral("/a/old.txt")), QStringLiteral("/a/old.txt"));

    setText(QStringLiteral("-- grüße 🐢\nforward 1"));
    QTest::keyClick(editor, Qt::Key_Return);
    EXPECT_TRUE(LCommander::DispatchCommandStatus(cmd_Revert).enabled);
    ASSERT_TRUE(editor->SaveProgramFile());
    EXPECT_EQ(readFile(path("p.turtle")), QByteArray("-- grüße 🐢\nforward 1\n"));
    ASSERT_TRUE(editor->LoadProgramFile());
    ASSERT_TRUE(editor->SaveProgramFile());
    EXPECT_EQ(readFile(path("p.turtle")), QByteArray("-- grüße 🐢\nforward 1\n"));

    // A file that cannot be read leaves the text as it was, and says why; closing with unsaved
    // text asks, and Cancel keeps the window.
    const QString text = editor->toPlainText();
    editor->SetProgramFile(FileLocation(path("missing.turtle")));
    ModalAnswers user({[](QWidget* modal) { QTest::keyClick(modal, Qt::Key_Return); },
                       press(QMessageBox::Cancel), press(QMessageBox::Discard)});
    EXPECT_FALSE(editor->LoadProgramFile());
    EXPECT_EQ(user.shown, 1);
    EXPECT_EQ(editor->toPlainText(), text);
    QTest::keyClicks(editor, QStringLiteral("forward 10"));
    const QPointer<CProgramWindow> watched(window);
    for (const bool closes : {false, true}) {
        LCommander::DispatchCommand(cmd_Close);
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        EXPECT_EQ(watched.isNull() || !watched->isVisible(), closes);
    }
}
