// Program text files through the editor: line ends, identical bytes, Revert, the save question.

#include "ProgramFiles.h"

#include "EditorTestSupport.h"

#include <QAbstractButton>
#include <QFile>
#include <QMessageBox>
#include <QTemporaryDir>

using namespace editor_test;

namespace {

QByteArray readBytes(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

void writeBytes(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(bytes);
}

} // namespace

TEST_F(EditorTest, ProgramFilesLoadEveryLineEndAndSaveIdenticalBytes) {
    QTemporaryDir folder;
    ASSERT_TRUE(folder.isValid());
    const QString path = folder.filePath(QStringLiteral("p.turtle"));
    for (const QByteArray& stored :
         {QByteArray("forward 1\rleft 2\r"), QByteArray("forward 1\nleft 2\n"),
          QByteArray("forward 1\r\nleft 2\r\n")}) {
        SCOPED_TRACE(stored.toStdString());
        writeBytes(path, stored);
        editor->SetProgramFile(FileLocation(path));
        ASSERT_TRUE(editor->LoadProgramFile());
        EXPECT_EQ(editor->toPlainText(), QStringLiteral("forward 1\nleft 2\n"));
        EXPECT_EQ(editor->blockCount(), 3);
        EXPECT_FALSE(editor->programDirty());
        EXPECT_FALSE(LCommander::DispatchCommandStatus(cmd_Revert).enabled);
    }
    EXPECT_EQ(window->windowTitle(), QStringLiteral("p.turtle"));
    EXPECT_EQ(WithProgramSuffix(QStringLiteral("/a/new")), QStringLiteral("/a/new.turtle"));
    EXPECT_EQ(WithProgramSuffix(QStringLiteral("/a/old.txt")), QStringLiteral("/a/old.txt"));

    setText(QStringLiteral("-- grüße 🐢\nforward 1"));
    QTest::keyClick(editor, Qt::Key_Return);
    EXPECT_TRUE(LCommander::DispatchCommandStatus(cmd_Revert).enabled);
    ASSERT_TRUE(editor->SaveProgramFile());
    const QByteArray saved = readBytes(path);
    EXPECT_EQ(saved, QByteArray("-- grüße 🐢\nforward 1\n"));
    ASSERT_TRUE(editor->LoadProgramFile());
    ASSERT_TRUE(editor->SaveProgramFile());
    EXPECT_EQ(readBytes(path), saved);

    // A file that cannot be read leaves the text as it was, and says why.
    const QString text = editor->toPlainText();
    editor->SetProgramFile(FileLocation(folder.filePath(QStringLiteral("missing.turtle"))));
    ModalAnswer answer([](QWidget* modal) { QTest::keyClick(modal, Qt::Key_Return); });
    EXPECT_FALSE(editor->LoadProgramFile());
    EXPECT_EQ(answer.calls, 1);
    EXPECT_EQ(editor->toPlainText(), text);
}

TEST_F(EditorTest, ClosingWithUnsavedTextAsksAndCancelKeepsTheWindow) {
    QTest::keyClicks(editor, QStringLiteral("forward 10"));
    ASSERT_TRUE(editor->programDirty());
    struct Case {
        QMessageBox::StandardButton press;
        bool closed;
    };
    for (const Case c : {Case{QMessageBox::Cancel, false}, Case{QMessageBox::Discard, true}}) {
        ModalAnswer answer([&](QWidget* modal) {
            auto* box = qobject_cast<QMessageBox*>(modal);
            ASSERT_NE(box, nullptr);
            QTest::mouseClick(box->button(c.press), Qt::LeftButton);
        });
        QPointer<CProgramWindow> watched(window);
        LCommander::DispatchCommand(cmd_Close);
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        EXPECT_EQ(answer.calls, 1);
        EXPECT_EQ(watched.isNull() || !watched->isVisible(), c.closed);
    }
}
