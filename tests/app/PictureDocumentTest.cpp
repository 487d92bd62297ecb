// A picture document with its real paint view and the real dialogs: the save question when
// closing and quitting, the save dialog, saving twice and over another file, Revert, and a
// failed save.

#include "ApplicationTestSupport.h"

TEST_F(ApplicationTest, APictureDocumentAsksSavesRevertsAndReplacesThroughTheRealDialogs) {
    CPaintWindow* view = newPicture();
    CDocument* document = frontDocument();
    ASSERT_TRUE(view && document);
    const auto paint = [&](int size) {
        view->setPenSize(static_cast<std::int16_t>(size));
        view->lineTurtleTo(Point::at(static_cast<std::int16_t>(size * 3), 40), 0.0f);
        document->SetModified(true);
    };
    const auto written = [&] { // the picture as a freshly written file has it
        EXPECT_EQ(view->writePictureFile(path("fresh.pict")), 0);
        return readFile(path("fresh.pict"));
    };
    paint(8);
    QStringList asked;
    ModalAnswers user({readThenPress(asked, QMessageBox::Cancel), press(QMessageBox::Save),
                       fileName(QString()), // the save dialog cancelled
                       fileName(path("twice")), press(QMessageBox::Discard),
                       fileName(path("other.pict")), press(QMessageBox::Yes),
                       press(QMessageBox::Discard)});
    // Cancel keeps the picture; Save whose dialog is cancelled keeps the program running.
    EXPECT_FALSE(document->AttemptClose(false));
    EXPECT_EQ(std::pair(document->IsClosed(), document->IsModified()), std::pair(false, true));
    EXPECT_FALSE(application->DoQuit());
    EXPECT_EQ(std::pair(document->IsClosed(), application->IsQuitting()), std::pair(false, false));
    EXPECT_TRUE(asked.join("").contains(QStringLiteral("Untitled")))
        << asked.join("|").toStdString();

    paint(32);
    ASSERT_TRUE(document->Save());
    EXPECT_EQ(std::tuple(document->HasFile(), document->IsModified(),
                         application->DispatchCommandStatus(cmd_Save).enabled),
              std::tuple(true, false, false));
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
    EXPECT_EQ(user.shown, 5);
    EXPECT_FALSE(document->IsModified());
    EXPECT_EQ(written(), second);

    // Save As over another file replaces it wholly; a failed save says why.
    ASSERT_TRUE(writeFile(path("other.pict"), QByteArray(200000, 'x')));
    paint(4);
    ASSERT_TRUE(document->ChooseSaveLocation());
    EXPECT_EQ(readFile(path("other.pict")), written());

    paint(8);
    EXPECT_FALSE(document->SaveToLocation(FileLocation(path("no-such-folder/x.pict")), 0));
    EXPECT_EQ(alerts.join("|").toStdString(),
              "The picture could not be saved as “x.pict”.The file or its folder does not exist.");
    EXPECT_TRUE(document->IsModified()) << "nothing is lost";
    EXPECT_EQ(document->GetDescriptor(), QStringLiteral("other.pict")) << "Save still goes there";

    // Don't Save closes it.
    EXPECT_TRUE(document->AttemptClose(false));
    EXPECT_TRUE(document->IsClosed());
}
