// Documents: the command status table, Save and Save As, Revert, closing through the real save
// question, the window's close box and the print commands.

#include "LDocument.h"
#include "LException.h"
#include "LFile.h"
#include "MessageBoxAnswerer.h"
#include "UiTestSupport.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

namespace {

QByteArray contentsOf(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<missing>");
}

class TestDocument : public LSingleDoc {
public:
    using LSingleDoc::LSingleDoc;
    bool WriteFile() override {
        if (++writes, failWrites)
            return false;
        GetFile().WriteDataFork(content);
        SetModified(false);
        SetHasFile(true);
        return true;
    }
    bool ReloadFile() override {
        ++reloads;
        content = GetFile().ReadDataFork();
        SetModified(false);
        return true;
    }
    std::optional<FileLocation> AskForSaveLocation(const QString&) override { return saveLocation; }
    bool ConfirmRevert() override { return revertAnswer; }
    bool AskPrint(QPrinter&) override { return printAnswer; }
    void PrintDocumentPicture(QPrinter&) override { ++prints; }

    QByteArray content = "picture";
    bool failWrites = false, revertAnswer = true, printAnswer = false;
    std::optional<FileLocation> saveLocation;
    int writes = 0, reloads = 0, prints = 0;
};

class DocumentUiTest : public UiTest {
protected:
    void SetUp() override {
        UiTest::SetUp();
        ASSERT_TRUE(folder.isValid());
        document = static_cast<TestDocument*>(
            root.AdoptSubCommander(std::make_unique<TestDocument>(nullptr)));
        LCommander::SwitchTarget(document);
    }
    bool enabled(CommandT command) { return LCommander::DispatchCommandStatus(command).enabled; }
    QString path(const char* name) const { return folder.filePath(name); }
    QStringList files() const { return QDir(folder.path()).entryList(QDir::Files | QDir::Hidden); }

    QTemporaryDir folder;
    LCommander root;
    TestDocument* document = nullptr;
};

TEST_F(DocumentUiTest, CommandStatusFollowsModifiedAndHasFileAndPrintAsksFirst) {
    struct Row {
        bool hasFile, modified, save, revert;
    };
    for (const Row row : {Row{false, false, true, false}, Row{false, true, true, false},
                          Row{true, false, false, false}, Row{true, true, true, true}}) {
        document->SetHasFile(row.hasFile);
        document->SetModified(row.modified);
        EXPECT_EQ(enabled(cmd_Save), row.save) << row.hasFile << row.modified;
        EXPECT_EQ(enabled(cmd_Revert), row.revert) << row.hasFile << row.modified;
        for (CommandT always : {cmd_Close, cmd_SaveAs, cmd_PageSetup, cmd_Print, cmd_PrintOne})
            EXPECT_TRUE(enabled(always)) << always;
    }
    LCommander::DispatchCommand(cmd_Print);
    EXPECT_EQ(document->prints, 0);
    document->printAnswer = true;
    LCommander::DispatchCommand(cmd_Print);
    LCommander::DispatchCommand(cmd_PrintOne);
    EXPECT_EQ(document->prints, 2);
}

TEST_F(DocumentUiTest, SaveAsksForALocationOnceThenWritesInPlaceAndRevertReadsIt) {
    LCommander::DispatchCommand(cmd_Revert);
    EXPECT_EQ(document->reloads, 0); // never saved
    document->SetModified(true);
    document->saveLocation = FileLocation(path("first.pict"));
    EXPECT_TRUE(LCommander::DispatchCommand(cmd_Save));
    EXPECT_EQ(contentsOf(path("first.pict")), "picture");
    EXPECT_TRUE(document->HasFile());
    EXPECT_FALSE(document->IsModified());
    EXPECT_EQ(document->GetDescriptor(), "first.pict");

    // Filed and clean: Save is not available, and a forced one writes nothing.
    LCommander::DispatchCommand(cmd_Save);
    EXPECT_EQ(document->writes, 1);
    // Filed and changed: Save writes in place without asking; so does Save As to its own file.
    document->SetModified(true);
    document->content = "second";
    document->saveLocation.reset();
    LCommander::DispatchCommand(cmd_Save);
    EXPECT_EQ(contentsOf(path("first.pict")), "second");
    document->content = "again";
    document->saveLocation = FileLocation(path("first.pict"));
    LCommander::DispatchCommand(cmd_SaveAs);
    EXPECT_EQ(document->writes, 3);
    EXPECT_EQ(contentsOf(path("first.pict")), "again");
    EXPECT_EQ(files(), (QStringList{"first.pict"}));

    // Revert only when changed and confirmed.
    document->content = "changed";
    LCommander::DispatchCommand(cmd_Revert);
    document->SetModified(true);
    document->revertAnswer = false;
    LCommander::DispatchCommand(cmd_Revert);
    EXPECT_EQ(document->reloads, 0);
    document->revertAnswer = true;
    LCommander::DispatchCommand(cmd_Revert);
    EXPECT_EQ(document->reloads, 1);
    EXPECT_EQ(document->content, "again");
    EXPECT_FALSE(document->IsModified());
}

TEST_F(DocumentUiTest, FailedSaveAsKeepsTheFileItWouldHaveReplaced) {
    QFile keep(path("keep.pict"));
    ASSERT_TRUE(keep.open(QIODevice::WriteOnly) && keep.write("precious") == 8);
    keep.close();
    document->SetModified(true);
    document->failWrites = true;
    document->saveLocation = FileLocation(path("keep.pict"));
    LCommander::DispatchCommand(cmd_SaveAs);
    EXPECT_EQ(contentsOf(path("keep.pict")), "precious");
    EXPECT_EQ(files(), (QStringList{"keep.pict"}));
    EXPECT_TRUE(document->IsModified());
    EXPECT_FALSE(document->HasFile());
}

TEST_F(DocumentUiTest, CloseBoxAsksTheRealSaveQuestionOnlyWhenModified) {
    auto owned = std::make_unique<LWindow>();
    QPointer<LWindow> window = owned.get();
    document->SetWindow(std::move(owned));
    window->setWindowTitle("Untitled 1");
    EXPECT_EQ(document->GetDescriptor(), "Untitled 1");
    document->SetModified(true);
    window->Show();
    {
        MessageBoxAnswerer cancel(QMessageBox::Cancel);
        window->close();
        EXPECT_EQ(cancel.shown, 1);
    }
    EXPECT_TRUE(window->isVisible());
    EXPECT_TRUE(document->IsModified());
    {
        MessageBoxAnswerer dontSave(QMessageBox::Discard);
        window->close();
        EXPECT_EQ(dontSave.shown, 1);
        EXPECT_EQ(dontSave.stuck, 0);
    }
    EXPECT_EQ(document->writes, 0);
    ASSERT_FALSE(window.isNull());
    EXPECT_FALSE(window->isVisible());
    EXPECT_TRUE(document->AttemptClose(true)); // closed, it never holds up a quit
    flushDeferredDeletes();
    EXPECT_TRUE(window.isNull()); // the document took its window with it
    EXPECT_TRUE(root.GetSubCommanders().empty());

    // A clean document closes without asking.
    auto* clean = root.AdoptSubCommander(std::make_unique<TestDocument>(nullptr));
    LCommander::SwitchTarget(clean);
    MessageBoxAnswerer none(QMessageBox::Cancel);
    EXPECT_TRUE(LCommander::DispatchCommand(cmd_Close));
    EXPECT_EQ(none.shown, 0);
    EXPECT_TRUE(root.GetSubCommanders().empty());
}

} // namespace
