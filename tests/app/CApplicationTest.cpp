// The application's commands: new pictures, the palette commands on the front paint view,
// the painting modes, and what a run asks of it.

#include "ApplicationTestSupport.h"
#include "PaintWindowPlacement.h"
#include "RunHost.h"

#include <QFile>
#include <QGuiApplication>
#include <QScreen>
#include <QTemporaryDir>

namespace {

using app_test::ApplicationTest;

constexpr RGBColour kRed{0xFFFF, 0, 0};

TEST_F(ApplicationTest, NewMakesAPictureWhoseViewIsTheFrontPaintView) {
    EXPECT_EQ(application->FrontCPaintWindow(), nullptr);
    EXPECT_EQ(application->FrontPaintView(), nullptr);
    CPaintWindow* first = newPicture();
    ASSERT_NE(first, nullptr);
    EXPECT_EQ(application->FrontPaintView(), first);
    EXPECT_TRUE(first->canvas().isValid());
    CPaintWindow* second = newPicture();
    ASSERT_NE(second, nullptr);
    EXPECT_NE(second, first);
    EXPECT_EQ(application->FrontCPaintWindow(), second);
    EXPECT_EQ(application->GetDocuments().size(), 2u);
    second->window()->hide(); // a hidden picture is not the front one
    EXPECT_EQ(application->FrontCPaintWindow(), first);
}

TEST_F(ApplicationTest, NewViewsStartFromThePalettes) {
    application->MarkPenSize(2003);
    application->MarkSymmetry(4003);
    application->MarkColour(3008);
    CPaintWindow* view = newPicture();
    ASSERT_NE(view, nullptr);
    EXPECT_EQ(view->paintState().penWidth, 16);
    EXPECT_EQ(view->paintState().symmetry, 6);
    EXPECT_TRUE(view->paintState().colourCycling);
    EXPECT_EQ(view->paintState().penColour, kRed);
}

TEST_F(ApplicationTest, PenAndSymmetryButtons) {
    CPaintWindow* view = newPicture();
    clickButton(2010);
    EXPECT_TRUE(view->fillMode());
    EXPECT_EQ(application->SelectedPenButton(), 2000) << "the fill button is not marked";
    clickButton(2004);
    EXPECT_FALSE(view->fillMode());
    EXPECT_EQ(view->paintState().penWidth, 32);
    EXPECT_EQ(application->SelectedPenButton(), 2004);
    application->ObeyCommand(2001, nullptr);
    EXPECT_EQ(view->paintState().penWidth, 4);
    EXPECT_EQ(application->SelectedPenButton(), 2004);
    clickButton(4004);
    EXPECT_EQ(view->paintState().symmetry, 8);
    EXPECT_EQ(application->SelectedSymmetryButton(), 4004);
    application->ObeyCommand(4002, nullptr);
    EXPECT_EQ(view->paintState().symmetry, 4);
    EXPECT_EQ(application->SelectedSymmetryButton(), 4004);
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
        int value = 1;
        EXPECT_TRUE(application->ObeyCommand(row.command, row.fromButton ? &value : nullptr));
        EXPECT_EQ(application->SelectedPenButton(), row.pen);
        EXPECT_EQ(application->SelectedColourButton(), row.colour);
        EXPECT_EQ(application->SelectedSymmetryButton(), row.symmetry);
    }
    EXPECT_EQ(pickerCalls, 0) << "no picture: no colour picker";
    EXPECT_EQ(application->FrontCPaintWindow(), nullptr);
}

TEST_F(ApplicationTest, ColourCommandsBelowTheTableAreIgnored) {
    CPaintWindow* view = newPicture();
    application->ObeyCommand(3001, nullptr);
    application->ObeyCommand(2999, nullptr);
    EXPECT_EQ(view->paintState().penColour, kRed);
    EXPECT_EQ(view->colourCommand(), 3001);
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

TEST_F(ApplicationTest, IsTheRunHostWhileItLives) {
    EXPECT_EQ(RunHost::Current(), application.get());
    EXPECT_EQ(theApplication, application.get());
    application->ObeyHostCommand(cmd_New, nullptr);
    EXPECT_NE(application->FrontPaintView(), nullptr);
    application.reset();
    EXPECT_EQ(RunHost::Current(), nullptr);
    EXPECT_EQ(theApplication, nullptr);
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
    QTemporaryDir folder;
    ASSERT_TRUE(folder.isValid());
    const QString untitled = view->window()->windowTitle();

    const QString notAPicture = folder.filePath(QStringLiteral("notes.txt"));
    ASSERT_TRUE(app_test::writeFile(notAPicture, "forward 10"));
    EXPECT_EQ(view->readPictureFile(notAPicture), 0);
    EXPECT_EQ(view->window()->windowTitle(), untitled) << "nothing was drawn";

    const QString path = folder.filePath(QStringLiteral("garden.pict"));
    ASSERT_EQ(view->writePictureFile(path), 0);
    EXPECT_EQ(view->window()->windowTitle(), QStringLiteral("garden.pict"));
    EXPECT_NE(view->writePictureFile(folder.filePath(QStringLiteral("no/such/x.pict"))), 0);
    EXPECT_EQ(view->window()->windowTitle(), QStringLiteral("garden.pict"));
}

} // namespace
