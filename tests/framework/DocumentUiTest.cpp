// Documents: the command status table, a failed Save As, closing through the real save question,
// the window's close box and the print commands.

#include "LDocument.h"
#include "LException.h"
#include "LFile.h"
#include "MessageBoxAnswerer.h"
#include "UiTestSupport.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

namespace {

struct TestDocument : LSingleDoc {
    using LSingleDoc::LSingleDoc;
    bool WriteFile() override { return ++writes, false; }
    std::optional<FileLocation> AskForSaveLocation(const QString&) override { return saveLocation; }
    bool AskPrint(QPrinter&) override { return printAnswer; }
    void PrintDocumentPicture(QPrinter&) override { ++prints; }

    bool printAnswer = false;
    std::optional<FileLocation> saveLocation;
    int writes = 0, prints = 0;
};

struct DocumentUiTest : UiTest {
    void SetUp() override {
        UiTest::SetUp();
        ASSERT_TRUE(folder.isValid());
        document = static_cast<TestDocument*>(
            root.AdoptSubCommander(std::make_unique<TestDocument>(nullptr)));
        LCommander::SwitchTarget(document);
    }
    QString path(const char* name) const { return folder.filePath(name); }

    QTemporaryDir folder;
    LCommander root;
    TestDocument* document = nullptr;
};

TEST_F(DocumentUiTest, CommandStatusFollowsModifiedAndHasFileAndPrintAsksFirst) {
    // Per state (filed, modified): Save, Revert, then what is always there.
    QStringList shown;
    for (const bool filed : {false, true})
        for (const bool modified : {false, true}) {
            document->SetHasFile(filed);
            document->SetModified(modified);
            shown << "";
            for (CommandT command : {cmd_Save, cmd_Revert, cmd_Close, cmd_SaveAs, cmd_PrintOne})
                shown.back() += LCommander::DispatchCommandStatus(command).enabled ? '1' : '0';
        }
    EXPECT_EQ(shown, (QStringList{"10111", "10111", "00111", "11111"}));
    LCommander::DispatchCommand(cmd_Print);
    EXPECT_EQ(document->prints, 0);
    document->printAnswer = true;
    LCommander::DispatchCommand(cmd_Print);
    LCommander::DispatchCommand(cmd_PrintOne);
    EXPECT_EQ(document->prints, 2);
}

TEST_F(DocumentUiTest, FailedSaveAsKeepsTheFileItWouldHaveReplaced) {
    QFile keep(path("keep.pict"));
    ASSERT_TRUE(keep.open(QIODevice::WriteOnly) && keep.write("precious") == 8);
    keep.close();
    document->SetModified(true);
    document->saveLocation = FileLocation(path("keep.pict"));
    LCommander::DispatchCommand(cmd_SaveAs);
    ASSERT_TRUE(keep.open(QIODevice::ReadOnly));
    EXPECT_EQ(keep.readAll(), "precious");
    EXPECT_EQ(QDir(folder.path()).entryList(QDir::Files | QDir::Hidden), QStringList{"keep.pict"});
    EXPECT_TRUE(document->IsModified() && !document->HasFile());
}

TEST_F(DocumentUiTest, CloseBoxAsksTheRealSaveQuestionAndOnlyDontSaveCloses) {
    auto owned = std::make_unique<LWindow>();
    QPointer<LWindow> window = owned.get();
    document->SetWindow(std::move(owned));
    window->setWindowTitle("Untitled 1");
    document->SetModified(true);
    window->Show();
    {
        MessageBoxAnswerer cancel(QMessageBox::Cancel);
        window->close();
        EXPECT_EQ(cancel.shown, 1);
    }
    EXPECT_TRUE(window->isVisible() && document->IsModified());
    {
        MessageBoxAnswerer dontSave(QMessageBox::Discard);
        window->close();
        EXPECT_EQ(std::pair(dontSave.shown, dontSave.stuck), std::pair(1, 0));
    }
    EXPECT_EQ(document->writes, 0);
    ASSERT_FALSE(window.isNull());
    EXPECT_FALSE(window->isVisible());
    EXPECT_TRUE(document->AttemptClose(true)); // closed, it never holds up a quit
    flushDeferredDeletes();
    EXPECT_TRUE(window.isNull()); // the document took its window with it
    EXPECT_TRUE(root.GetSubCommanders().empty());
}

} // namespace
