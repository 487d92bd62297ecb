// The variables window at a slow and the normal pace, the starting pace with its setting, and
// Program ▸ Translate To in the editor.

#include "../app/ApplicationTestSupport.h"
#include "Settings.h"
#include "StartingPace.h"
#include "VariablesWindow.h"

#include <QComboBox>

// The last assignment keeps y's value: the mark stays on x, at every pace.
TEST_F(EditorTest, VariablesAtNormalPaceAndStepByStepAndThePaceSetting) {
    ASSERT_NE(newPicture(), nullptr);
    // Runs the program with the variables window open; every different list it showed, in order.
    const auto runWatchingVariables = [this](const QString& program) {
        editor->ObeyCommand(EditorCommand::kShowVariables, nullptr);
        VariablesWindow* variables = window->Variables(false);
        EXPECT_TRUE(variables && variables->isVisible());
        std::vector<QStringList> seen;
        const auto watch = QObject::connect(variables, &VariablesWindow::shown, [&] {
            if (seen.empty() || seen.back() != variables->RowTexts())
                seen.push_back(variables->RowTexts());
        });
        setText(program);
        editor->ObeyCommand(EditorCommand::kRunProgram, nullptr);
        QObject::disconnect(watch);
        return seen;
    };
    const QString program = QStringLiteral("x = 1\ny = 2\nx = 3\ny = 2\n");
    EXPECT_EQ(window->PaceControl()->Level(), 1);
    EXPECT_EQ(runWatchingVariables(program), (std::vector<QStringList>{{}, {"x = 3 ◀", "y = 2"}}));
    QComboBox* pace = window->PaceControl()->Choice();
    pace->setCurrentIndex(3);
    emit pace->activated(3); // Step by Step
    EXPECT_EQ(application->StartingPace(), 12);
    const std::vector<QStringList> expected = {
        {}, {"x = 0", "y = 0"}, {"x = 1 ◀", "y = 0"}, {"x = 1", "y = 2 ◀"}, {"x = 3 ◀", "y = 2"},
    };
    EXPECT_EQ(runWatchingVariables(program), expected);

    // The starting pace is saved with the settings; one not offered comes back as Normal.
    const QString settings = path("pace.json");
    LoadSettings(*application, settings); // creates the empty file
    for (const auto& [chosen, restored] : {std::pair{0, 0}, {30, 30}, {7, 1}}) {
        SCOPED_TRACE(chosen);
        application->SetStartingPace(chosen);
        SaveSettings(*application, settings);
        application->SetStartingPace(5);
        LoadSettings(*application, settings);
        EXPECT_EQ(std::pair(application->StartingPace(), window->PaceControl()->Level()),
                  std::pair(restored, restored));
    }
}

// One undoable edit; a refusal leaves the text, says why and selects the colliding name.
TEST_F(EditorTest, TranslationIsOneUndoableEditOrARefusalThatSaysWhy) {
    editor->BecomeTarget();
    const QString original = QStringLiteral("-- forward\nrepeat 4 [ forward 10 right 90 ]\n");
    setText(original);
    LCommander::DispatchCommand(SyntheticCommand(kTranslateMenuID, 2));
    EXPECT_EQ(editor->toPlainText(), QStringLiteral("-- forward\nloop 4 [ fd 10 rt 90 ]\n"));
    LCommander::DispatchCommand(cmd_Undo);
    EXPECT_EQ(editor->toPlainText(), original);

    const QString program = QStringLiteral("links = 5\nforward links\n");
    setText(program);
    QStringList said;
    ModalAnswers user({readThenPress(said)});
    // Item 3 is the application's own English; the language files follow in name order.
    LCommander::DispatchCommand(SyntheticCommand(kTranslateMenuID, 4));
    EXPECT_TRUE(said.join("").contains(QStringLiteral("“links” on line 1")))
        << said.join("|").toStdString();
    EXPECT_EQ(editor->toPlainText(), program);
    EXPECT_EQ(editor->textCursor().selectedText(), QStringLiteral("links"));
}
