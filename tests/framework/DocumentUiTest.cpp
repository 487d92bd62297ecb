// Documents: the command status table, Save and Save As, Revert, closing clean documents, the
// window's close box and the print commands. Replacing a file and the save question are tested
// with the picture document and the real dialogs (tests/app).

#include "LDocument.h"
#include "LException.h"
#include "LFile.h"
#include "UiTestSupport.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

namespace {

QByteArray contentsOf(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<missing>");
}

void writeFile(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(bytes);
}

class TestDocument : public LSingleDoc {
public:
    using LSingleDoc::LSingleDoc;

    bool WriteFile() override {
        ++writes;
        if (failWrites)
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
        SetHasFile(true);
        return true;
    }
    std::optional<FileLocation> AskForSaveLocation(const QString& proposed) override {
        proposedName = proposed;
        return saveLocation;
    }
    SaveChoice ConfirmCloseWithChanges(bool) override {
        ++closeQuestions;
        return closeAnswer;
    }
    bool ConfirmRevert() override { return revertAnswer; }
    bool AskPrint(QPrinter&) override { return printAnswer; }
    void PrintDocumentPicture(QPrinter&) override { ++prints; }

    QByteArray content = "picture";
    bool failWrites = false;
    std::optional<FileLocation> saveLocation;
    QString proposedName;
    SaveChoice closeAnswer = SaveChoice::Cancel;
    bool revertAnswer = true;
    bool printAnswer = false;
    int writes = 0, reloads = 0, closeQuestions = 0, prints = 0;
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

    QTemporaryDir folder;
    LCommander root;
    TestDocument* document = nullptr;
};

TEST_F(DocumentUiTest, CommandStatusFollowsModifiedAndHasFile) {
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
}

TEST_F(DocumentUiTest, SaveWithoutFileAsksForALocationAndWritesThere) {
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
    // Filed and changed: Save writes in place without asking.
    document->SetModified(true);
    document->content = "second";
    document->saveLocation.reset();
    LCommander::DispatchCommand(cmd_Save);
    EXPECT_EQ(contentsOf(path("first.pict")), "second");
}

TEST_F(DocumentUiTest, FailedSaveAsKeepsTheFileItWouldHaveReplaced) {
    writeFile(path("keep.pict"), "precious");
    document->SetModified(true);
    document->failWrites = true;
    document->saveLocation = FileLocation(path("keep.pict"));
    LCommander::DispatchCommand(cmd_SaveAs);
    EXPECT_EQ(contentsOf(path("keep.pict")), "precious");
    EXPECT_EQ(QDir(folder.path()).entryList(QDir::Files | QDir::Hidden),
              (QStringList{"keep.pict"}));
    EXPECT_TRUE(document->IsModified());
    EXPECT_FALSE(document->HasFile());
}

TEST_F(DocumentUiTest, SaveAsToItsOwnFileWritesInPlace) {
    document->saveLocation = FileLocation(path("own.pict"));
    LCommander::DispatchCommand(cmd_SaveAs);
    document->content = "again";
    LCommander::DispatchCommand(cmd_SaveAs);
    EXPECT_EQ(document->writes, 2);
    EXPECT_EQ(contentsOf(path("own.pict")), "again");
    EXPECT_EQ(QDir(folder.path()).entryList(QDir::Files | QDir::Hidden), (QStringList{"own.pict"}));
}

TEST_F(DocumentUiTest, RevertOnlyWhenModifiedAndFiledAndConfirmed) {
    LCommander::DispatchCommand(cmd_Revert);
    EXPECT_EQ(document->reloads, 0); // never saved
    document->saveLocation = FileLocation(path("revert.pict"));
    LCommander::DispatchCommand(cmd_SaveAs);
    document->content = "changed";
    document->SetModified(true);
    document->revertAnswer = false;
    LCommander::DispatchCommand(cmd_Revert);
    EXPECT_EQ(document->reloads, 0);
    document->revertAnswer = true;
    LCommander::DispatchCommand(cmd_Revert);
    EXPECT_EQ(document->reloads, 1);
    EXPECT_EQ(document->content, "picture");
    EXPECT_FALSE(document->IsModified());
}

TEST_F(DocumentUiTest, CleanDocumentClosesWithoutAsking) {
    EXPECT_TRUE(LCommander::DispatchCommand(cmd_Close));
    EXPECT_EQ(document->closeQuestions, 0);
    EXPECT_TRUE(root.GetSubCommanders().empty());
}

TEST_F(DocumentUiTest, WindowCloseBoxClosesTheDocumentWithItsWindow) {
    auto window = std::make_unique<LWindow>();
    QPointer<LWindow> watched = window.get();
    document->SetWindow(std::move(window));
    document->GetWindow()->setWindowTitle("Untitled 1");
    EXPECT_EQ(document->GetDescriptor(), "Untitled 1");
    document->SetModified(true);
    document->closeAnswer = LDocument::SaveChoice::Cancel;
    watched->Show();
    watched->close();
    EXPECT_EQ(document->closeQuestions, 1);
    EXPECT_TRUE(watched->isVisible());

    document->closeAnswer = LDocument::SaveChoice::DontSave;
    watched->close();
    EXPECT_FALSE(watched.isNull());
    EXPECT_FALSE(watched->isVisible());
    flushDeferredDeletes();
    EXPECT_TRUE(watched.isNull()); // the document took its window with it
    EXPECT_TRUE(root.GetSubCommanders().empty());
}

TEST_F(DocumentUiTest, PrintAsksFirstPrintOneDoesNot) {
    LCommander::DispatchCommand(cmd_Print);
    EXPECT_EQ(document->prints, 0);
    document->printAnswer = true;
    LCommander::DispatchCommand(cmd_Print);
    LCommander::DispatchCommand(cmd_PrintOne);
    EXPECT_EQ(document->prints, 2);
}

// The failures with their codes: LFileTest.
TEST(FileUiTest, ARewriteLeavesNothingOfTheLongerContent) {
    QTemporaryDir folder;
    ASSERT_TRUE(folder.isValid());
    LFile file(FileLocation(folder.filePath("data.bin")));
    file.WriteDataFork(QByteArray("a long first content"));
    file.WriteDataFork(QByteArray("short"));
    EXPECT_EQ(file.ReadDataFork(), "short");
    EXPECT_FALSE(file.IsOpen());
    LFile nowhere;
    EXPECT_THROW(nowhere.OpenDataFork(LFile::Access::Read), LException);
}

} // namespace
