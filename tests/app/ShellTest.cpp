// The shell as a user meets it: the palettes and their buttons, the real colour picker and
// About box, the menu bar, opening files by their type, and the end of the program.

#include "ApplicationCommands.h"
#include "ApplicationTestSupport.h"
#include "CHideWindow.h"
#include "CProgramWindow.h"
#include "CTextEditView.h"
#include "LanguageReference.h"
#include "ProgramWindows.h"

#include <QAbstractButton>
#include <QClipboard>
#include <QColorDialog>
#include <QDialog>
#include <QFileDialog>
#include <QGuiApplication>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QMessageBox>
#include <QMimeData>
#include <QScreen>
#include <QTemporaryDir>
#include <QTest>

namespace {

using app_test::ApplicationTest;
using app_test::whenModal;

TEST_F(ApplicationTest, PalettesStandTopRightOneBelowTheOtherAndCloseOnlyByHiding) {
    application->Initialize();
    CHideWindow* tools = application->PaletteWindow(0);
    CHideWindow* colours = application->PaletteWindow(1);
    ASSERT_TRUE(tools && colours && application->PaletteWindow(2));
    EXPECT_TRUE(tools->isVisible() && colours->isVisible());
    EXPECT_FALSE(application->PaletteWindow(2)->isVisible());
    EXPECT_EQ(tools->GetLayer(), WindowLayer::Floating);
    const QRect screen = QGuiApplication::primaryScreen()->geometry();
    EXPECT_EQ(tools->geometry().top(), screen.top() + 60);
    EXPECT_EQ(tools->geometry().right(), screen.right() - 10);
    EXPECT_EQ(colours->geometry().right(), screen.right() - 10);
    EXPECT_GT(colours->geometry().top(), tools->geometry().bottom());

    tools->close();
    QCoreApplication::processEvents();
    EXPECT_FALSE(tools->isVisible());
    EXPECT_EQ(application->PaletteWindow(0), tools) << "hidden, not destroyed";
    EXPECT_EQ(application->DispatchCommandStatus(cmd_ShowToolPalette).mark, 0);
    application->ObeyCommand(cmd_ShowToolPalette, nullptr);
    application->ObeyCommand(cmd_ShowCommandPalette, nullptr);
    EXPECT_TRUE(tools->isVisible() && application->PaletteWindow(2)->isVisible());
    EXPECT_EQ(application->DispatchCommandStatus(cmd_ShowToolPalette).mark, kCheckMark);
}

TEST_F(ApplicationTest, AButtonClickChangesViewAndPaletteAMenuChoiceOnlyTheView) {
    CPaintWindow* view = newPicture();
    struct Row {
        CommandT command;
        bool click;
        CommandT selectedColour;
        RGBColour colour;
    };
    const Row rows[] = {{3003, false, 3000, {0, 0, 0xFFFF}},
                        {3001, true, 3001, {0xFFFF, 0, 0}},
                        {3002, false, 3001, {0, 0xFFFF, 0}}};
    for (const Row& row : rows) {
        SCOPED_TRACE(row.command);
        if (row.click)
            QTest::mouseClick(application->PaletteButton(row.command), Qt::LeftButton);
        else
            application->ObeyCommand(row.command, nullptr);
        EXPECT_EQ(view->paintState().penColour, row.colour);
        EXPECT_EQ(application->SelectedColourButton(), row.selectedColour);
        EXPECT_TRUE(application->PaletteButton(row.selectedColour)->isChecked());
    }
    // The fill button is selected by its click, though its command marks nothing.
    QTest::mouseClick(application->PaletteButton(2010), Qt::LeftButton);
    EXPECT_TRUE(view->fillMode());
    EXPECT_EQ(application->SelectedPenButton(), 2010);
    EXPECT_EQ(application->Palettes().PalettePenWidth(), 1);
    EXPECT_FALSE(application->PaletteButton(2000)->isChecked());
}

TEST_F(ApplicationTest, TheRealColourPickerSetsTheChosenColourAndCancelKeepsTheOld) {
    application->SetColourPicker(&CApplication::AskWithColourDialog);
    CPaintWindow* view = newPicture();
    application->ObeyCommand(3003, nullptr);
    whenModal<QColorDialog>([](QColorDialog* dialog) {
        dialog->setCurrentColor(QColor(0x12, 0x34, 0x56));
        dialog->accept();
    });
    application->ObeyCommand(cmd_ColourPicker, nullptr);
    EXPECT_EQ(view->paintState().penColour, (RGBColour{0x1212, 0x3434, 0x5656}));
    EXPECT_EQ(view->colourCommand(), cmd_ColourPicker);

    whenModal<QColorDialog>([](QColorDialog* dialog) {
        EXPECT_EQ(dialog->currentColor(), QColor(0x12, 0x34, 0x56)) << "starts from the view";
        dialog->setCurrentColor(Qt::yellow);
        dialog->reject();
    });
    application->ObeyCommand(cmd_ColourPicker, nullptr);
    EXPECT_EQ(view->paintState().penColour, (RGBColour{0x1212, 0x3434, 0x5656}));
    EXPECT_EQ(application->SelectedColourButton(), cmd_ColourPicker);
}

TEST_F(ApplicationTest, TheAboutBoxShowsTheVersionUntilOK) {
    QString shown;
    whenModal<QDialog>([&shown](QDialog* dialog) {
        for (const QLabel* label : dialog->findChildren<QLabel*>())
            shown += label->text();
        for (QAbstractButton* button : dialog->findChildren<QAbstractButton*>())
            button->click();
    });
    application->ObeyCommand(cmd_About, nullptr);
    ASSERT_FALSE(QCoreApplication::applicationVersion().isEmpty());
    EXPECT_TRUE(shown.contains(QStringLiteral("Version ") + QCoreApplication::applicationVersion()))
        << shown.toStdString();
}

TEST_F(ApplicationTest, TheMenuBarHasEveryMenuShortcutAndMark) {
    newPicture();
    QMenuBar* bar = application->FrontCPaintWindow()->window()->findChild<QMenuBar*>();
    ASSERT_NE(bar, nullptr);
    QStringList titles;
    for (const QAction* menu : bar->actions())
        titles << menu->text().remove(QLatin1Char('&'));
    EXPECT_EQ(titles, (QStringList{"File", "Edit", "Program", "Pen", "Colour", "Symmetry", "Window",
                                   "Help"}));
    QHash<CommandT, QAction*> actions;
    for (QAction* action : bar->findChildren<QAction*>())
        actions.insert(commandOf(action), action);
    for (CommandT command : {1,    2,    3,    4,    5,    6,    7,
                             8,    9,    10,   17,   11,   12,   13,
                             14,   15,   16,   503,  504,  505,  506,
                             507,  508,  602,  700,  1001, 2000, 2004,
                             2010, 3000, 3009, 4000, 4004, 4005, cmd_ExportPicture})
        EXPECT_TRUE(actions.contains(command)) << command;
    EXPECT_EQ(actions.value(cmd_RunProgram)->shortcut(), QKeySequence(QStringLiteral("Ctrl+R")));
    EXPECT_EQ(actions.value(cmd_Quit)->shortcut(), QKeySequence(QKeySequence::Quit));
    auto* pen = qobject_cast<QMenu*>(actions.value(cmd_ConnectMode)->parent());
    ASSERT_NE(pen, nullptr);
    UpdateMenuFromCommandChain(pen);
    EXPECT_TRUE(actions.value(cmd_ConnectMode)->isChecked());
    EXPECT_FALSE(actions.value(cmd_MouseMode)->isChecked());
}

TEST_F(ApplicationTest, OpenFileTakesImagesAsUnfiledPicturesAndRefusesWhatItCannotRead) {
    QTemporaryDir folder;
    QImage image(40, 30, QImage::Format_RGB32);
    image.fill(Qt::red);
    // Qt writes no GIF: a one-pixel one by hand.
    const QByteArray gif("GIF89a\x01\0\x01\0\x80\0\0\xff\0\0\0\0\0,\0\0\0\0\x01\0\x01\0\0\x02\x02"
                         "D\x01\0;",
                         35);
    for (const char* name : {"a.png", "b.jpg", "c.gif", "d.tiff"}) {
        SCOPED_TRACE(name);
        const QString path = folder.filePath(QString::fromLatin1(name));
        ASSERT_TRUE(path.endsWith(QStringLiteral(".gif")) ? app_test::writeFile(path, gif)
                                                          : image.save(path));
        ASSERT_TRUE(application->OpenFile(FileLocation(path)));
        CDocument* document = frontDocument();
        EXPECT_FALSE(document->IsModified());
        EXPECT_FALSE(document->HasFile()) << "Save must ask where to put the picture";
        EXPECT_EQ(document->GetWindow()->windowTitle(), QString::fromLatin1(name));
        EXPECT_TRUE(application->DispatchCommandStatus(cmd_Save).enabled);
        document->Close();
        QCoreApplication::processEvents();
    }
    const QString broken = folder.filePath(QStringLiteral("broken.png"));
    ASSERT_TRUE(app_test::writeFile(broken, "\x89PNG\r\n\x1a\n but nothing more"));
    // The application's own alert, once, as the user sees it.
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    makeApplication();
    QString shown;
    whenModal<QMessageBox>([&shown](QMessageBox* box) {
        shown = box->text() + box->informativeText();
        box->button(QMessageBox::Ok) ? box->button(QMessageBox::Ok)->click() : box->accept();
    });
    EXPECT_FALSE(application->OpenFile(FileLocation(broken)));
    EXPECT_TRUE(shown.contains(QStringLiteral("broken.png"))) << shown.toStdString();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_EQ(application->FrontCPaintWindow(), nullptr) << "no empty window stays";
    SetFileAlertHandler([this](const QString& what, const QString& why) { alerts << what + why; });
    EXPECT_FALSE(application->OpenFile(FileLocation(folder.filePath(QStringLiteral("gone.pict")))));
    ASSERT_EQ(alerts.size(), 1);
    EXPECT_TRUE(alerts.front().contains(QStringLiteral("gone.pict")))
        << alerts.front().toStdString();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_EQ(application->FrontCPaintWindow(), nullptr);
}

TEST_F(ApplicationTest, OpenDialogDropsExportAndCopyMoveWholePictures) {
    QTemporaryDir folder;
    const QString png = folder.filePath(QStringLiteral("dot.png"));
    QImage image(8, 6, QImage::Format_RGB32);
    image.fill(Qt::blue);
    ASSERT_TRUE(image.save(png));

    whenModal<QFileDialog>([png](QFileDialog* dialog) {
        EXPECT_TRUE(dialog->nameFilters().join(' ').contains(QStringLiteral("*.png")));
        dialog->findChild<QLineEdit*>(QStringLiteral("fileNameEdit"))->setText(png);
        static_cast<QDialog*>(dialog)->accept();
    });
    application->ObeyCommand(cmd_Open, nullptr);
    ASSERT_EQ(application->GetDocuments().size(), 1u);

    // A file dropped on the picture opens as a second one.
    QMimeData files;
    files.setUrls({QUrl::fromLocalFile(png)});
    QWidget* target = application->FrontCPaintWindow();
    QDragEnterEvent enter(QPoint(5, 5), Qt::CopyAction, &files, Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(target, &enter);
    EXPECT_TRUE(enter.isAccepted());
    QDropEvent drop(QPointF(5, 5), Qt::CopyAction, &files, Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(target, &drop);
    QCoreApplication::processEvents();
    EXPECT_EQ(application->GetDocuments().size(), 2u);

    const QImage canvas = frontDocument()->PictureImage();
    LCommander::SwitchTarget(application->FrontCPaintWindow());
    LCommander::DispatchCommand(cmd_Copy);
    EXPECT_EQ(QGuiApplication::clipboard()->image().size(), canvas.size());
    const QString exported = folder.filePath(QStringLiteral("out.png"));
    app_test::answerFileDialog(exported);
    application->ObeyCommand(cmd_ExportPicture, nullptr);
    EXPECT_EQ(QImage(exported).convertToFormat(QImage::Format_RGB32), canvas);
}

TEST_F(ApplicationTest, AProgramFileOpensInAProgramWindowWithAPictureToDrawIn) {
    QTemporaryDir folder;
    const QString path = folder.filePath(QStringLiteral("square.turtle"));
    ASSERT_TRUE(app_test::writeFile(path, "repeat 4 [ forward 50 right 90 ]\n"));
    for (int round = 0; round < 2; ++round) {
        SCOPED_TRACE(round); // the second time a picture exists already
        ASSERT_TRUE(application->OpenFile(FileLocation(path)));
        QCoreApplication::processEvents();
        const auto programs = CProgramWindow::ProgramWindows();
        ASSERT_EQ(programs.size(), static_cast<std::size_t>(round + 1));
        EXPECT_TRUE(
            programs.front()->TextView()->toPlainText().startsWith(QStringLiteral("repeat 4")));
        EXPECT_EQ(LWindow::FrontWindow(WindowLayer::Regular), programs.front())
            << "the program stays in front";
        EXPECT_EQ(application->GetDocuments().size(), 1u);
    }
}

TEST_F(ApplicationTest, QuitAsksAboutUnsavedProgramTextAndCancelStopsIt) {
    newPicture();
    auto* window = static_cast<CProgramWindow*>(MakeProgramWindow(application.get()));
    ASSERT_NE(window, nullptr);
    window->TextView()->InsertText(QStringLiteral("forward 10\n"));
    ASSERT_TRUE(window->TextView()->programDirty());
    for (const auto& [answer, quits] :
         {std::pair{QMessageBox::Cancel, false}, std::pair{QMessageBox::Discard, true}}) {
        SCOPED_TRACE(quits);
        whenModal<QMessageBox>([answer](QMessageBox* box) { box->button(answer)->click(); });
        EXPECT_EQ(application->DoQuit(), quits);
        EXPECT_EQ(application->IsQuitting(), quits);
    }
}

TEST_F(ApplicationTest, ClosingTheLastPictureEndsTheProgram) {
    QTimer::singleShot(50, [this] {
        EXPECT_NE(frontDocument(), nullptr) << "a launch without files opens a picture";
        if (CDocument* document = frontDocument())
            document->AttemptClose(false);
    });
    QTimer::singleShot(5000, [] { QCoreApplication::exit(1); }); // the fault: it runs on
    EXPECT_EQ(application->Run(), 0);
    EXPECT_TRUE(application->IsQuitting());
}

TEST_F(ApplicationTest, TheLanguageReferenceNamesTheLiveWords) {
    const QString html = LanguageReferenceHtml();
    for (const char* word : {"forward", "fd", "repeat", "loop", "magenta",
                             "<code>repeat 4 [ forward 80 right 90 ]</code>"})
        EXPECT_TRUE(html.contains(QString::fromUtf8(word))) << word;
}

} // namespace
