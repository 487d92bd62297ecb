// The application's commands: new pictures, the palette commands on the front picture, the
// painting modes, what a run asks of it, and each picture's own undo and name.

#include "ApplicationTestSupport.h"
#include "PaintWindowPlacement.h"
#include "RunHost.h"

#include <QGuiApplication>
#include <QScreen>

namespace {

constexpr RGBColour kRed{0xFFFF, 0, 0};
constexpr RGBColour kBlue{0, 0, 0xFFFF};

TEST_F(ApplicationTest, NewMakesTheFrontPictureAndTheApplicationHostsRunsWhileItLives) {
    EXPECT_EQ(RunHost::Current(), application.get());
    EXPECT_EQ(application->FrontPaintView(), nullptr);
    application->ObeyHostCommand(cmd_New, nullptr);
    CPaintWindow* first = application->FrontCPaintWindow();
    ASSERT_NE(first, nullptr);
    EXPECT_EQ(application->FrontPaintView(), first);
    EXPECT_TRUE(first->canvas().isValid());
    CPaintWindow* second = newPicture();
    EXPECT_TRUE(second != nullptr && second != first);
    EXPECT_EQ(application->GetDocuments().size(), 2u);
    second->window()->hide(); // a hidden picture is not the front one
    EXPECT_EQ(application->FrontCPaintWindow(), first);
    application.reset();
    EXPECT_EQ(RunHost::Current(), nullptr);
    EXPECT_EQ(theApplication, nullptr);
}

TEST_F(ApplicationTest, WithoutAPictureCommandsChangeOnlyTheMarksTheTableSays) {
    struct Row {
        CommandT command;
        bool fromButton;
        CommandT pen, colour, symmetry;
    };
    const Row rows[] = {
        {2002, false, 2000, 3000, 4000}, {2002, true, 2002, 3000, 4000},
        {2010, true, 2000, 3000, 4000},  {3001, false, 2000, 3000, 4000},
        {3001, true, 2000, 3001, 4000},  {3008, false, 2000, 3008, 4000},
        {3009, false, 2000, 3009, 4000}, {4003, false, 2000, 3000, 4000},
        {4003, true, 2000, 3000, 4003},  {4005, true, 2000, 3000, 4000},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.command);
        application->MarkPenSize(2000);
        application->MarkColour(3000);
        application->MarkSymmetry(4000);
        int value = 1; // a palette button's click passes its value
        EXPECT_TRUE(application->ObeyCommand(row.command, row.fromButton ? &value : nullptr));
        EXPECT_EQ(application->SelectedPenButton(), row.pen);
        EXPECT_EQ(application->SelectedColourButton(), row.colour);
        EXPECT_EQ(application->SelectedSymmetryButton(), row.symmetry);
    }
    EXPECT_EQ(pickerCalls, 0) << "no picture: no colour picker";
    EXPECT_EQ(application->FrontCPaintWindow(), nullptr);
}

// A click on a palette button changes the front picture and the palette, a menu choice only the
// picture; a new picture starts from the palette.
TEST_F(ApplicationTest, ClicksAndMenuChoicesChangeTheFrontPicture) {
    CPaintWindow* view = newPicture();
    struct Row {
        CommandT command;
        bool click;
        int width, symmetry;
        RGBColour colour;
        bool fill;
        CommandT pen, colourButton, symmetryButton;
    };
    const Row rows[] = {
        {2004, true, 32, 1, kBlack, false, 2004, 3000, 4000},
        {2001, false, 4, 1, kBlack, false, 2004, 3000, 4000},
        {4004, true, 4, 8, kBlack, false, 2004, 3000, 4004},
        {4002, false, 4, 4, kBlack, false, 2004, 3000, 4004},
        {3003, false, 4, 4, kBlue, false, 2004, 3000, 4004},
        {3001, true, 4, 4, kRed, false, 2004, 3001, 4004},
        {2999, false, 4, 4, kRed, false, 2004, 3001, 4004}, // below the table: ignored
        {2010, true, 4, 4, kRed, true, 2010, 3001, 4004},   // fill is selected by its click
        {2003, true, 16, 4, kRed, false, 2003, 3001, 4004},
        {4003, true, 16, 6, kRed, false, 2003, 3001, 4003},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.command);
        if (row.click)
            QTest::mouseClick(application->PaletteButton(row.command), Qt::LeftButton);
        else
            application->ObeyCommand(row.command, nullptr);
        EXPECT_EQ(view->paintState().penWidth, row.width);
        EXPECT_EQ(view->paintState().symmetry, row.symmetry);
        EXPECT_EQ(view->paintState().penColour, row.colour);
        EXPECT_EQ(view->fillMode(), row.fill);
        EXPECT_EQ(application->SelectedPenButton(), row.pen);
        EXPECT_EQ(application->SelectedColourButton(), row.colourButton);
        EXPECT_EQ(application->SelectedSymmetryButton(), row.symmetryButton);
        for (CommandT selected : {row.pen, row.colourButton, row.symmetryButton})
            EXPECT_TRUE(application->PaletteButton(selected)->isChecked()) << selected;
    }
    EXPECT_EQ(view->colourCommand(), 3001);
    application->MarkColour(3008);
    const PaintState fresh = newPicture()->paintState();
    EXPECT_EQ(std::tuple(fresh.penWidth, fresh.symmetry, fresh.colourCycling, fresh.penColour),
              std::tuple(16, 6, true, kRed));
}

TEST_F(ApplicationTest, PaintingModesAndDocumentCommandsShowTheirStatus) {
    const auto status = [this](CommandT command) {
        CommandStatus result;
        application->FindCommandStatus(command, result);
        return result;
    };
    EXPECT_TRUE(application->connectMode());
    EXPECT_FALSE(application->mouseMode());
    EXPECT_TRUE(status(508).enabled);
    EXPECT_EQ(status(508).mark, kCheckMark);
    application->ObeyCommand(508, nullptr);
    application->ObeyCommand(700, nullptr);
    EXPECT_FALSE(application->connectMode());
    EXPECT_TRUE(application->mouseMode());
    EXPECT_EQ(status(508).mark, 0);
    EXPECT_EQ(status(700).mark, kCheckMark);

    EXPECT_FALSE(status(cmd_Clear).enabled) << "no picture: the default answer";
    newPicture();
    for (CommandT command : {cmd_Clear, cmd_Save, CommandT(3005)}) // Save: never saved yet
        EXPECT_TRUE(status(command).enabled) << command;
}

TEST_F(ApplicationTest, ThePictureItselfGetsThePlacedRectangle) {
    CPaintWindow* view = newPicture();
    ASSERT_NE(view, nullptr);
    const QRect screen = QGuiApplication::primaryScreen()->geometry();
    const Rect placed = paintWindowContentRect(
        Rect{clampToInt16(screen.top()), clampToInt16(screen.left()),
             clampToInt16(screen.bottom() + 1), clampToInt16(screen.right() + 1)});
    // The window's menu bar lies outside the placed rectangle, not inside the picture.
    EXPECT_EQ(view->size(), QSize(placed.width(), placed.height()));
    EXPECT_EQ(view->canvas().getBounds(),
              (Rect{0, 0, clampToInt16(placed.height()), clampToInt16(placed.width())}));
    EXPECT_EQ(view->mapToGlobal(QPoint(0, 0)), QPoint(placed.left, placed.top));
}

TEST_F(ApplicationTest, EachPictureUndoesItsOwnClear) {
    CPaintWindow* first = newPicture();
    first->lineTurtleTo(Point::at(20, 20), 0.0f);
    CPaintWindow* second = newPicture();
    second->lineTurtleTo(Point::at(40, 40), 0.0f);
    application->ObeyCommand(4005, nullptr); // Clear wipes the front picture, the second
    ASSERT_EQ(second->canvas().pixel(41, 41), kWhite);

    LCommander::SwitchTarget(second);
    EXPECT_TRUE(application->DispatchCommandStatus(cmd_Undo).enabled);
    LCommander::DispatchCommand(cmd_Undo);
    EXPECT_EQ(second->canvas().pixel(41, 41), kBlack);
    EXPECT_EQ(first->canvas().pixel(21, 21), kBlack);

    // The first picture has nothing to undo.
    LCommander::SwitchTarget(first);
    EXPECT_FALSE(LCommander::DispatchCommandStatus(cmd_Undo).enabled);
}

TEST_F(ApplicationTest, ADocumentCommandNobodyTakesDoesNotComeBackForever) {
    // A picture window outside any document: the view passes Save up its chain, which leads
    // back to the application.
    LWindow* window = LWindow::CreateWindow(kDocumentWindowResource, application.get());
    ASSERT_NE(window, nullptr);
    window->Select();
    QCoreApplication::processEvents();
    ASSERT_NE(application->FrontCPaintWindow(), nullptr);
    application->ObeyCommand(cmd_Save, nullptr);
    CommandStatus status;
    application->FindCommandStatus(cmd_Save, status);
    EXPECT_FALSE(status.enabled);
}

TEST_F(ApplicationTest, APictureWindowIsNamedAfterItsFile) {
    CPaintWindow* view = newPicture();
    const QString untitled = view->window()->windowTitle();
    ASSERT_TRUE(writeFile(path("notes.txt"), "forward 10"));
    EXPECT_EQ(view->readPictureFile(path("notes.txt")), 0);
    EXPECT_EQ(view->window()->windowTitle(), untitled) << "nothing was drawn";
    ASSERT_EQ(view->writePictureFile(path("garden.pict")), 0);
    EXPECT_EQ(view->window()->windowTitle(), QStringLiteral("garden.pict"));
    EXPECT_NE(view->writePictureFile(path("no/such/x.pict")), 0);
    EXPECT_EQ(view->window()->windowTitle(), QStringLiteral("garden.pict"));
}

} // namespace
