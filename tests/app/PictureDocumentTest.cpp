// Picture documents with their real paint view and the real dialogs: the save question when
// closing, the save dialog, saving twice and over another file, Revert, and failed saves.

#include "ApplicationTestSupport.h"

namespace {

class PictureDocumentTest : public ApplicationTest {
protected:
    void SetUp() override {
        ApplicationTest::SetUp();
        view = newPicture();
        document = frontDocument();
        ASSERT_TRUE(view && document);
    }
    void paint(int size) {
        view->setPenSize(static_cast<std::int16_t>(size));
        view->lineTurtleTo(Point::at(static_cast<std::int16_t>(size * 3), 40), 0.0f);
        document->SetModified(true);
    }
    // The picture as a freshly written file has it.
    QByteArray written() {
        EXPECT_EQ(view->writePictureFile(path("fresh.pict")), 0);
        return readFile(path("fresh.pict"));
    }

    CPaintWindow* view = nullptr;
    CDocument* document = nullptr;
};

TEST_F(PictureDocumentTest, TheRealSaveQuestionCancelKeepsDontSaveCloses) {
    paint(8);
    ModalAnswers user({[](QWidget* modal) {
                           auto* box = qobject_cast<QMessageBox*>(modal);
                           ASSERT_NE(box, nullptr);
                           EXPECT_TRUE(box->text().contains(QStringLiteral("Untitled")));
                           press(QMessageBox::Cancel)(box);
                       },
                       press(QMessageBox::Save), fileName(QString()), // the save dialog cancelled
                       press(QMessageBox::Discard)});
    EXPECT_FALSE(document->AttemptClose(false));
    EXPECT_FALSE(document->IsClosed());
    EXPECT_TRUE(document->IsModified());
    EXPECT_FALSE(application->DoQuit());
    EXPECT_FALSE(document->IsClosed());
    EXPECT_FALSE(application->IsQuitting());
    EXPECT_TRUE(document->AttemptClose(false));
    EXPECT_TRUE(document->IsClosed());
    EXPECT_EQ(user.shown, 4);
}

TEST_F(PictureDocumentTest, SavingTwiceToOnePlaceLeavesExactlyTheSecondPicture) {
    paint(32);
    ModalAnswers user({fileName(path("twice")), press(QMessageBox::Discard)});
    ASSERT_TRUE(document->Save());
    EXPECT_TRUE(document->HasFile());
    EXPECT_FALSE(document->IsModified());
    EXPECT_FALSE(application->DispatchCommandStatus(cmd_Save).enabled);
    const QByteArray first = readFile(path("twice.pict")); // the dialog adds the extension
    ASSERT_GT(first.size(), 512);

    view->ObeyCommand(cmd_Clear, nullptr);
    paint(2);
    EXPECT_TRUE(application->DispatchCommandStatus(cmd_Revert).enabled);
    ASSERT_TRUE(document->Save());
    const QByteArray second = readFile(path("twice.pict"));
    EXPECT_NE(second, first);
    EXPECT_EQ(second, written());

    // Revert, once the user agrees to lose the changes, brings the saved picture back.
    paint(16);
    application->ObeyCommand(cmd_Revert, nullptr);
    EXPECT_EQ(user.shown, 2);
    EXPECT_FALSE(document->IsModified());
    EXPECT_EQ(written(), second);
}

TEST_F(PictureDocumentTest, SaveAsReplacesAnotherFileWhollyAndAFailedSaveSaysWhy) {
    ASSERT_TRUE(writeFile(path("other.pict"), QByteArray(200000, 'x')));
    paint(4);
    ModalAnswers user({fileName(path("other.pict")), press(QMessageBox::Yes)});
    ASSERT_TRUE(document->ChooseSaveLocation());
    EXPECT_EQ(user.shown, 2);
    EXPECT_EQ(readFile(path("other.pict")), written());

    paint(8);
    EXPECT_FALSE(document->SaveToLocation(FileLocation(path("no-such-folder/x.pict")), 0));
    EXPECT_EQ(alerts.join("|").toStdString(),
              "The picture could not be saved as “x.pict”.The file or its folder does not exist.");
    EXPECT_TRUE(document->IsModified()) << "nothing is lost";
    EXPECT_EQ(document->GetDescriptor(), QStringLiteral("other.pict")) << "Save still goes there";
}

} // namespace
