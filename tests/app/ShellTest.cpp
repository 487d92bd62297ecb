// The shell as a user meets it: the palettes, the real colour picker and About box, the menu
// bar, opening files by their type, and the end of the program.

#include "ApplicationCommands.h"
#include "ApplicationTestSupport.h"
#include "CHideWindow.h"
#include "KeywordMenus.h"
#include "LanguageReference.h"
#include "ProgramWindows.h"

#include <QClipboard>
#include <QColorDialog>
#include <QGuiApplication>
#include <QLabel>
#include <QMenuBar>
#include <QMimeData>
#include <QScreen>

namespace {

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

TEST_F(ApplicationTest, TheRealColourPickerSetsTheChosenColourAndCancelKeepsTheOld) {
    application->SetColourPicker(&CApplication::AskWithColourDialog);
    CPaintWindow* view = newPicture();
    application->ObeyCommand(3003, nullptr);
    const auto pick = [](QColor starts, QColor chosen, bool ok) -> Answer {
        return [=](QWidget* modal) {
            auto* dialog = qobject_cast<QColorDialog*>(modal);
            ASSERT_NE(dialog, nullptr);
            EXPECT_EQ(dialog->currentColor(), starts) << "starts from the picture's colour";
            dialog->setCurrentColor(chosen);
            ok ? dialog->accept() : dialog->reject();
        };
    };
    const QColor chosen(0x12, 0x34, 0x56);
    ModalAnswers user({pick(Qt::blue, chosen, true), pick(chosen, Qt::yellow, false)});
    for (int round = 0; round < 2; ++round) { // chosen, then cancelled
        application->ObeyCommand(cmd_ColourPicker, nullptr);
        EXPECT_EQ(view->paintState().penColour, (RGBColour{0x1212, 0x3434, 0x5656}));
        EXPECT_EQ(view->colourCommand(), cmd_ColourPicker);
    }
    EXPECT_EQ(user.shown, 2);
    EXPECT_EQ(application->SelectedColourButton(), cmd_ColourPicker);
}

TEST_F(ApplicationTest, TheAboutBoxShowsTheVersionUntilOK) {
    QString shown;
    ModalAnswers user({[&shown](QWidget* dialog) {
        for (const QLabel* label : dialog->findChildren<QLabel*>())
            shown += label->text();
        for (QAbstractButton* button : dialog->findChildren<QAbstractButton*>())
            button->click();
    }});
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
    for (CommandT command : {1,   2,    3,    4,    5,    6,    7,    8,    9,    10,   17,  11,
                             12,  13,   14,   15,   16,   503,  504,  505,  506,  507,  508, 602,
                             700, 1001, 2000, 2004, 2010, 3000, 3009, 4000, 4004, 4005, 1201})
        EXPECT_TRUE(actions.contains(command)) << command;
    EXPECT_EQ(actions.value(cmd_RunProgram)->shortcut(), QKeySequence(QStringLiteral("Ctrl+R")));
    EXPECT_EQ(actions.value(cmd_Quit)->shortcut(), QKeySequence(QKeySequence::Quit));
    auto* pen = qobject_cast<QMenu*>(actions.value(cmd_ConnectMode)->parent());
    ASSERT_NE(pen, nullptr);
    for (const bool connect : {true, false}) { // the painting modes, then each switched
        UpdateMenuFromCommandChain(pen);
        EXPECT_EQ(actions.value(cmd_ConnectMode)->isChecked(), connect);
        EXPECT_EQ(actions.value(cmd_MouseMode)->isChecked(), !connect);
        application->ObeyCommand(cmd_ConnectMode, nullptr);
        application->ObeyCommand(cmd_MouseMode, nullptr);
    }
    for (CommandT command : {cmd_Clear, cmd_Save, CommandT(3005), cmd_ShowToolPalette})
        EXPECT_TRUE(application->DispatchCommandStatus(command).enabled) << command;
}

TEST_F(ApplicationTest, OpenFileTakesImagesAsUnfiledPicturesAndRefusesWhatItCannotRead) {
    QImage image(40, 30, QImage::Format_RGB32);
    image.fill(Qt::red);
    // Qt writes no GIF: a one-pixel one by hand.
    ASSERT_TRUE(
        writeFile(path("c.gif"), QByteArray("GIF89a\x01\0\x01\0\x80\0\0\xff\0\0\0\0\0,\0\0\0\0"
                                            "\x01\0\x01\0\0\x02\x02D\x01\0;",
                                            35)));
    for (const char* name : {"a.png", "b.jpg", "c.gif", "d.tiff"}) {
        SCOPED_TRACE(name);
        ASSERT_TRUE(name[0] == 'c' || image.save(path(name)));
        ASSERT_TRUE(application->OpenFile(FileLocation(path(name))));
        CDocument* document = frontDocument();
        EXPECT_FALSE(document->IsModified());
        EXPECT_FALSE(document->HasFile()) << "Save must ask where to put the picture";
        EXPECT_EQ(document->GetWindow()->windowTitle(), QString::fromLatin1(name));
        EXPECT_TRUE(application->DispatchCommandStatus(cmd_Save).enabled);
        document->Close();
        QCoreApplication::processEvents();
    }
    EXPECT_FALSE(application->OpenFile(FileLocation(path("gone.pict"))));
    EXPECT_EQ(alerts.join("|").toStdString(),
              "“gone.pict” could not be opened.The file or its folder does not exist.");
    // The application's own alert, as the user sees it, parented to a closed picture whose
    // deletion the alert's own loop runs.
    SetFileAlertHandler(nullptr);
    ASSERT_TRUE(writeFile(path("broken.png"), "\x89PNG\r\n\x1a\n but nothing more"));
    QString shown;
    ModalAnswers user({[&shown](QWidget* modal) {
        shown = modal->findChild<QLabel*>("qt_msgbox_label")->text();
        press(QMessageBox::Ok)(modal);
    }});
    EXPECT_FALSE(application->OpenFile(FileLocation(path("broken.png"))));
    EXPECT_TRUE(shown.contains(QStringLiteral("broken.png"))) << shown.toStdString();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_EQ(application->FrontCPaintWindow(), nullptr) << "no empty window stays";
}

TEST_F(ApplicationTest, OpenDialogDropsExportAndCopyMoveWholePictures) {
    QImage image(8, 6, QImage::Format_RGB32);
    image.fill(Qt::blue);
    ASSERT_TRUE(image.save(path("dot.png")));
    ModalAnswers user({fileName(path("dot.png")), fileName(path("out.png"))});
    application->ObeyCommand(cmd_Open, nullptr);
    ASSERT_EQ(application->GetDocuments().size(), 1u);

    // A file dropped on the picture opens as a second one.
    QMimeData files;
    files.setUrls({QUrl::fromLocalFile(path("dot.png"))});
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
    application->ObeyCommand(cmd_ExportPicture, nullptr);
    EXPECT_EQ(QImage(path("out.png")).convertToFormat(QImage::Format_RGB32), canvas);
}

TEST_F(ApplicationTest, AProgramFileOpensInAProgramWindowAndQuitAsksAboutItsChanges) {
    ASSERT_TRUE(writeFile(path("square.turtle"), "repeat 4 [ forward 50 right 90 ]\n"));
    for (std::size_t round = 1; round <= 2; ++round) {
        SCOPED_TRACE(round); // the second time a picture exists already
        ASSERT_TRUE(application->OpenFile(FileLocation(path("square.turtle"))));
        QCoreApplication::processEvents();
        const auto programs = CProgramWindow::ProgramWindows();
        ASSERT_EQ(programs.size(), round);
        EXPECT_TRUE(programs.front()->TextView()->toPlainText().startsWith("repeat 4"));
        EXPECT_EQ(LWindow::FrontWindow(WindowLayer::Regular), programs.front())
            << "the program stays in front";
        EXPECT_EQ(application->GetDocuments().size(), 1u);
    }
    CProgramWindow::ProgramWindows().front()->TextView()->InsertText(QStringLiteral("left 1\n"));
    ModalAnswers user({press(QMessageBox::Cancel), press(QMessageBox::Discard)});
    for (const bool quits : {false, true}) {
        EXPECT_EQ(application->DoQuit(), quits);
        EXPECT_EQ(application->IsQuitting(), quits);
    }
    EXPECT_EQ(user.shown, 2);
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
