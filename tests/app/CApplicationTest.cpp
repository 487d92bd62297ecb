// The application's commands: new pictures, the palette commands on the front picture, what a
// run asks of it, and each picture's own undo and name.

#include "ApplicationTestSupport.h"
#include "PaintWindowPlacement.h"
#include "RunHost.h"

constexpr RGBColour kRed{0xFFFF, 0, 0};
constexpr RGBColour kYellow{0xFFFF, 0xFFFF, 0};

TEST_F(ApplicationTest, NewPicturesComeToTheFrontFillThePlaceUndoTheirOwnClearTakeTheirFilesName) {
    EXPECT_EQ(RunHost::Current(), application.get());
    application->ObeyHostCommand(cmd_New, nullptr);
    CPaintWindow* first = application->FrontCPaintWindow();
    ASSERT_NE(first, nullptr);
    first->lineTurtleTo(Point::at(20, 20), 0.0f);
    CPaintWindow* second = newPicture();
    ASSERT_TRUE(second != nullptr && second != first);
    EXPECT_EQ(application->FrontPaintView(), second);
    second->lineTurtleTo(Point::at(40, 40), 0.0f);
    application->ObeyCommand(4005, nullptr); // Clear wipes the front picture, the second
    ASSERT_EQ(second->canvas().pixel(41, 41), kWhite);
    LCommander::SwitchTarget(second);
    LCommander::DispatchCommand(cmd_Undo);
    EXPECT_EQ(std::pair(second->canvas().pixel(41, 41), first->canvas().pixel(21, 21)),
              std::pair(kBlack, kBlack));
    LCommander::SwitchTarget(first);
    EXPECT_FALSE(LCommander::DispatchCommandStatus(cmd_Undo).enabled) << "the first: no undo";
    second->window()->hide(); // a hidden picture is not the front one
    EXPECT_EQ(application->FrontCPaintWindow(), first);

    // The picture itself, not its window, gets the placed rectangle; the window takes its file's
    // name only when a file was written or drawn.
    CPaintWindow* view = first;
    const QRect screen = QGuiApplication::primaryScreen()->geometry();
    const Rect placed = paintWindowContentRect(
        Rect{clampToInt16(screen.top()), clampToInt16(screen.left()),
             clampToInt16(screen.bottom() + 1), clampToInt16(screen.right() + 1)});
    // The window's menu bar lies outside the placed rectangle, not inside the picture.
    EXPECT_EQ(view->size(), QSize(placed.width(), placed.height()));
    EXPECT_EQ(view->canvas().getBounds(),
              (Rect{0, 0, clampToInt16(placed.height()), clampToInt16(placed.width())}));
    EXPECT_EQ(view->mapToGlobal(QPoint(0, 0)), QPoint(placed.left, placed.top));

    const QString untitled = view->window()->windowTitle();
    ASSERT_TRUE(writeFile(path("notes.txt"), "forward 10"));
    EXPECT_EQ(view->readPictureFile(path("notes.txt")), 0);
    EXPECT_EQ(view->window()->windowTitle(), untitled) << "nothing was drawn";
    ASSERT_EQ(view->writePictureFile(path("garden.pict")), 0);
    EXPECT_EQ(view->window()->windowTitle(), QStringLiteral("garden.pict"));
    EXPECT_NE(view->writePictureFile(path("no/such/x.pict")), 0);
    EXPECT_EQ(view->window()->windowTitle(), QStringLiteral("garden.pict"));

    application.reset();
    EXPECT_EQ(RunHost::Current(), nullptr);
    EXPECT_EQ(theApplication, nullptr);
}

TEST_F(ApplicationTest, WithoutAPictureDocumentCommandsChangeOnlyTheMarksTheTableSays) {
    // The command, whether a palette button sent it, the pen, colour and symmetry marks after.
    const std::tuple<CommandT, bool, CommandT, CommandT, CommandT> rows[] = {
        {2002, false, 2000, 3000, 4000}, {2002, true, 2002, 3000, 4000},
        {2010, true, 2000, 3000, 4000},  {3001, false, 2000, 3000, 4000},
        {3001, true, 2000, 3001, 4000},  {3008, false, 2000, 3008, 4000},
        {3009, false, 2000, 3009, 4000}, {4003, false, 2000, 3000, 4000},
        {4003, true, 2000, 3000, 4003},  {4005, true, 2000, 3000, 4000},
    };
    for (const auto& [command, fromButton, pen, colour, symmetry] : rows) {
        SCOPED_TRACE(command);
        application->MarkPenSize(2000);
        application->MarkColour(3000);
        application->MarkSymmetry(4000);
        int value = 1; // a palette button's click passes its value
        EXPECT_TRUE(application->ObeyCommand(command, fromButton ? &value : nullptr));
        EXPECT_EQ(std::tuple(application->SelectedPenButton(), application->SelectedColourButton(),
                             application->SelectedSymmetryButton()),
                  std::tuple(pen, colour, symmetry));
    }
    EXPECT_EQ(pickerCalls, 0) << "no picture: no colour picker";

    // A document command nobody takes does not come back forever: a picture window outside any
    // document passes Save up its chain, which leads back to the application.
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

// A click on a palette button changes the front picture and the palette, a menu choice only the
// picture; a new picture starts from the palette.
TEST_F(ApplicationTest, ClicksAndMenuChoicesChangeTheFrontPicture) {
    CPaintWindow* view = newPicture();
    using State = std::tuple<int, int, RGBColour, bool, CommandT, CommandT, CommandT>;
    const auto state = [&] {
        const PaintState& paint = view->paintState();
        return State(paint.penWidth, paint.symmetry, paint.penColour, view->fillMode(),
                     application->SelectedPenButton(), application->SelectedColourButton(),
                     application->SelectedSymmetryButton());
    };
    // The command, whether it is clicked, then width, symmetry, colour, fill and the marks.
    const std::tuple<CommandT, bool, State> rows[] = {
        {2004, true, {32, 1, kBlack, false, 2004, 3000, 4000}},
        {2001, false, {4, 1, kBlack, false, 2004, 3000, 4000}},
        {4004, true, {4, 8, kBlack, false, 2004, 3000, 4004}},
        {4002, false, {4, 4, kBlack, false, 2004, 3000, 4004}},
        {3007, false, {4, 4, kYellow, false, 2004, 3000, 4004}},
        {3001, true, {4, 4, kRed, false, 2004, 3001, 4004}},
        {2999, false, {4, 4, kRed, false, 2004, 3001, 4004}}, // below the table: ignored
        {2010, true, {4, 4, kRed, true, 2010, 3001, 4004}},   // fill is selected by its click
        {2003, true, {16, 4, kRed, false, 2003, 3001, 4004}},
        {4003, true, {16, 6, kRed, false, 2003, 3001, 4003}},
    };
    for (const auto& [command, click, expected] : rows) {
        SCOPED_TRACE(command);
        if (click)
            QTest::mouseClick(application->PaletteButton(command), Qt::LeftButton);
        else
            application->ObeyCommand(command, nullptr);
        EXPECT_EQ(state(), expected);
    }
    EXPECT_EQ(view->colourCommand(), 3001);
    // A run may end on the colour command 2999 (a negative colour): the palette keeps its mark.
    application->MarkColour(2999);
    EXPECT_EQ(application->SelectedColourButton(), 3001);
    application->MarkColour(3008);
    const PaintState fresh = newPicture()->paintState();
    EXPECT_EQ(std::tuple(fresh.penWidth, fresh.symmetry, fresh.colourCycling, fresh.penColour),
              std::tuple(16, 6, true, kRed));
}
