// The shell as a user meets it: the palettes, the real colour picker and About box, the menus
// and language reference, opening files by their type, and the end of the program.

#include "ApplicationTestSupport.h"
#include "LanguageReference.h"
#include "ProgramWindows.h"

#include <QColorDialog>
#include <QMenuBar>
#include <QMimeData>

// The palettes stand top right, one below the other, and close only by hiding; the menu bar
// has its menus, shortcuts and marks; the real colour picker; the About box shows the version
// until OK.
TEST_F(ApplicationTest, PalettesMenusColourPickerAndAboutBoxAsTheUserSeesThem) {
    application->Initialize();
    CHideWindow* tools = application->PaletteWindow(0);
    CHideWindow* colours = application->PaletteWindow(1);
    ASSERT_TRUE(tools && colours && application->PaletteWindow(2));
    EXPECT_EQ(std::tuple(tools->isVisible(), colours->isVisible(),
                         application->PaletteWindow(2)->isVisible(), tools->GetLayer()),
              std::tuple(true, true, false, WindowLayer::Floating));
    const QRect screen = QGuiApplication::primaryScreen()->geometry();
    EXPECT_EQ(tools->geometry().topRight(), QPoint(screen.right() - 10, screen.top() + 60));
    EXPECT_EQ(colours->geometry().right(), screen.right() - 10);
    EXPECT_GT(colours->geometry().top(), tools->geometry().bottom());

    tools->close();
    QCoreApplication::processEvents();
    EXPECT_EQ(std::tuple(tools->isVisible(), application->PaletteWindow(0),
                         application->DispatchCommandStatus(cmd_ShowToolPalette).mark),
              std::tuple(false, tools, 0))
        << "hidden, not destroyed";
    application->ObeyCommand(cmd_ShowToolPalette, nullptr);
    application->ObeyCommand(cmd_ShowCommandPalette, nullptr);
    EXPECT_TRUE(tools->isVisible() && application->PaletteWindow(2)->isVisible());
    EXPECT_EQ(application->DispatchCommandStatus(cmd_ShowToolPalette).mark, kCheckMark);

    CPaintWindow* view = newPicture();
    QMenuBar* bar = view->window()->findChild<QMenuBar*>();
    ASSERT_NE(bar, nullptr);
    QStringList titles;
    for (const QAction* menu : bar->actions())
        titles << menu->text().remove(QLatin1Char('&'));
    EXPECT_EQ(titles, (QStringList{"File", "Edit", "Program", "Pen", "Colour", "Symmetry", "Window",
                                   "Help"}));
    QHash<CommandT, QAction*> actions;
    for (QAction* action : bar->findChildren<QAction*>())
        actions.insert(commandOf(action), action);
    ASSERT_TRUE(actions.contains(cmd_RunProgram) && actions.contains(cmd_Quit));
    EXPECT_EQ(actions.value(cmd_RunProgram)->shortcut(), QKeySequence(QStringLiteral("Ctrl+R")));
    EXPECT_EQ(actions.value(cmd_Quit)->shortcut(), QKeySequence(QKeySequence::Quit));
    for (const bool connect : {true, false}) { // the painting modes, then each switched
        UpdateMenuFromCommandChain(qobject_cast<QMenu*>(actions.value(cmd_ConnectMode)->parent()));
        EXPECT_EQ(std::pair(actions.value(cmd_ConnectMode)->isChecked(),
                            actions.value(cmd_MouseMode)->isChecked()),
                  std::pair(connect, !connect));
        application->ObeyCommand(cmd_ConnectMode, nullptr);
        application->ObeyCommand(cmd_MouseMode, nullptr);
    }
    for (CommandT command : {cmd_Clear, cmd_Save, CommandT(3005), cmd_ShowToolPalette})
        EXPECT_TRUE(application->DispatchCommandStatus(command).enabled) << command;

    // The real colour picker starts from the picture's colour; a chosen colour is set, a
    // cancelled choice keeps the old.
    const auto pick = [](QColor starts, QColor chosen, bool ok) -> Answer {
        return [=](QWidget* modal) {
            auto* dialog = qobject_cast<QColorDialog*>(modal);
            ASSERT_NE(dialog, nullptr);
            EXPECT_EQ(dialog->currentColor(), starts) << "starts from the picture's colour";
            dialog->setCurrentColor(chosen);
            ok ? dialog->accept() : dialog->reject();
        };
    };
    QString shown;
    const QColor chosen(0x12, 0x34, 0x56);
    ModalAnswers user(
        {pick(Qt::blue, chosen, true), pick(chosen, Qt::yellow, false), [&shown](QWidget* dialog) {
             for (const QLabel* label : dialog->findChildren<QLabel*>())
                 shown += label->text();
             for (QAbstractButton* button : dialog->findChildren<QAbstractButton*>())
                 button->click();
         }});
    application->SetColourPicker(&CApplication::AskWithColourDialog);
    application->ObeyCommand(3003, nullptr);
    for (int round = 0; round < 2; ++round) { // chosen, then cancelled
        application->ObeyCommand(cmd_ColourPicker, nullptr);
        EXPECT_EQ(view->paintState().penColour, (RGBColour{0x1212, 0x3434, 0x5656}));
        EXPECT_EQ(view->colourCommand(), cmd_ColourPicker);
    }
    EXPECT_EQ(application->SelectedColourButton(), cmd_ColourPicker);

    application->ObeyCommand(cmd_About, nullptr);
    ASSERT_FALSE(QCoreApplication::applicationVersion().isEmpty());
    EXPECT_TRUE(shown.contains(QStringLiteral("Version ") + QCoreApplication::applicationVersion()))
        << shown.toStdString();
}

TEST_F(ApplicationTest,
       OpenFileTakesImagesAsUnfiledPicturesRefusesWhatItCannotReadDialogsAndDrops) {
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
        EXPECT_EQ(std::tuple(document->IsModified(), document->HasFile(),
                             document->GetWindow()->windowTitle(),
                             application->DispatchCommandStatus(cmd_Save).enabled),
                  std::tuple(false, false, QString::fromLatin1(name), true))
            << "unfiled: Save must ask where to put the picture";
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
    QStringList shown;
    ModalAnswers user({readThenPress(shown, QMessageBox::Ok), fileName(path("dot.png")),
                       fileName(path("out.png"))});
    EXPECT_FALSE(application->OpenFile(FileLocation(path("broken.png"))));
    EXPECT_TRUE(shown.join("").contains(QStringLiteral("broken.png")))
        << shown.join("|").toStdString();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_EQ(application->FrontCPaintWindow(), nullptr) << "no empty window stays";

    // The Open dialog, a dropped file, Copy and Export move whole pictures.
    ASSERT_TRUE(image.save(path("dot.png")));
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

TEST_F(ApplicationTest, KeywordAndSymmetryMenusAndTheReferenceNameTheLiveWords) {
    LMenuBar bar = LMenuBar::StandardMenuBar();
    AddApplicationMenus(bar, {});
    for (const MenuIDT id : {kCommandsMenuID, kColoursMenuID}) {
        const LMenu* menu = bar.FindMenu(id);
        ASSERT_NE(menu, nullptr);
        std::vector<QString> texts;
        for (std::size_t i = 0; i < menu->items.size(); ++i) {
            texts.push_back(menu->items[i].text);
            EXPECT_EQ(menu->items[i].command, SyntheticCommand(id, static_cast<int>(i) + 1));
        }
        EXPECT_EQ(texts, KeywordMenuItems(id));
    }
    EXPECT_EQ(bar.FindMenu(kCommandsMenuID)->items.front().text, QStringLiteral("shape"));
    QStringList symmetry;
    for (const LMenuItem& item : bar.FindMenu(kSymmetryMenuID)->items)
        symmetry << item.text;
    EXPECT_EQ(symmetry.join(u'|'), "None|2 Mirrors|4 Mirrors|6 Mirrors|8 Mirrors||Clear Picture");
    const QString html = LanguageReferenceHtml();
    for (const char* word : {"fd", "magenta", "<code>repeat 4 [ forward 80 right 90 ]</code>"})
        EXPECT_TRUE(html.contains(QString::fromUtf8(word))) << word;
}
