// Picture documents with their real paint view and the real dialogs: the save question when
// closing, the save dialog, saving twice and over another file, Revert, and failed saves.

#include "ApplicationTestSupport.h"

#include <QFile>
#include <QFileDialog>
#include <QLineEdit>
#include <QMessageBox>
#include <QTemporaryDir>

namespace {

using app_test::answerFileDialog;
using app_test::ApplicationTest;
using app_test::whenModal;

QByteArray contentsOf(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

class PictureDocumentTest : public ApplicationTest {
protected:
    void SetUp() override {
        ApplicationTest::SetUp();
        ASSERT_TRUE(folder.isValid());
        view = newPicture();
        document = frontDocument();
        ASSERT_TRUE(view && document);
    }
    void paint(int size) {
        view->setPenSize(static_cast<std::int16_t>(size));
        view->lineTurtleTo(Point::at(static_cast<std::int16_t>(size * 3), 40), 0.0f);
        document->SetModified(true);
    }
    QString path(const char* name) const { return folder.filePath(QString::fromLatin1(name)); }

    QTemporaryDir folder;
    CPaintWindow* view = nullptr;
    CDocument* document = nullptr;
};

TEST_F(PictureDocumentTest, TheRealSaveQuestionCancelKeepsDontSaveCloses) {
    paint(8);
    whenModal<QMessageBox>([](QMessageBox* box) {
        EXPECT_TRUE(box->text().contains(QStringLiteral("Untitled")));
        box->button(QMessageBox::Cancel)->click();
    });
    EXPECT_FALSE(document->AttemptClose(false));
    EXPECT_FALSE(document->IsClosed());
    EXPECT_TRUE(document->IsModified());

    // Save, then cancelling the save dialog, keeps it too.
    whenModal<QMessageBox>([](QMessageBox* box) { box->button(QMessageBox::Save)->click(); });
    answerFileDialog(QString());
    EXPECT_FALSE(application->DoQuit());
    EXPECT_FALSE(document->IsClosed());
    EXPECT_FALSE(application->IsQuitting());

    whenModal<QMessageBox>([](QMessageBox* box) { box->button(QMessageBox::Discard)->click(); });
    EXPECT_TRUE(document->AttemptClose(false));
    EXPECT_TRUE(document->IsClosed());
}

TEST_F(PictureDocumentTest, SavingTwiceToOnePlaceLeavesExactlyTheSecondPicture) {
    paint(32);
    answerFileDialog(path("twice"));
    ASSERT_TRUE(document->Save());
    EXPECT_TRUE(document->HasFile());
    EXPECT_FALSE(document->IsModified());
    EXPECT_FALSE(application->DispatchCommandStatus(cmd_Save).enabled);
    const QByteArray first = contentsOf(path("twice.pict")); // the dialog adds the extension
    ASSERT_GT(first.size(), 512);

    view->ObeyCommand(cmd_Clear, nullptr);
    paint(2);
    EXPECT_TRUE(application->DispatchCommandStatus(cmd_Revert).enabled);
    ASSERT_TRUE(document->Save());
    const QByteArray second = contentsOf(path("twice.pict"));
    EXPECT_NE(second, first);
    ASSERT_EQ(view->writePictureFile(path("fresh.pict")), 0);
    EXPECT_EQ(second, contentsOf(path("fresh.pict")));

    // Revert brings the saved picture back.
    paint(16);
    whenModal<QMessageBox>([](QMessageBox* box) { box->button(QMessageBox::Discard)->click(); });
    application->ObeyCommand(cmd_Revert, nullptr);
    EXPECT_FALSE(document->IsModified());
    ASSERT_EQ(view->writePictureFile(path("reverted.pict")), 0);
    EXPECT_EQ(contentsOf(path("reverted.pict")), second);
}

TEST_F(PictureDocumentTest, SaveAsReplacesAnotherFileWhollyAndAFailedSaveSaysWhy) {
    ASSERT_TRUE(app_test::writeFile(path("other.pict"), QByteArray(200000, 'x')));
    paint(4);
    answerFileDialog(path("other.pict"));
    whenModal<QMessageBox>([](QMessageBox* box) { box->button(QMessageBox::Yes)->click(); });
    ASSERT_TRUE(document->ChooseSaveLocation());
    ASSERT_EQ(view->writePictureFile(path("fresh.pict")), 0);
    EXPECT_EQ(contentsOf(path("other.pict")), contentsOf(path("fresh.pict")));

    paint(8);
    EXPECT_FALSE(document->SaveToLocation(FileLocation(path("no-such-folder/x.pict")), 0));
    ASSERT_EQ(alerts.size(), 1);
    EXPECT_TRUE(alerts.front().contains(QStringLiteral("x.pict"))) << alerts.front().toStdString();
    EXPECT_TRUE(document->IsModified()) << "nothing is lost";
    EXPECT_EQ(document->GetDescriptor(), QStringLiteral("other.pict")) << "Save still goes there";
}

} // namespace
