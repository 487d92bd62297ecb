// The variables window at a slow and the normal pace, the starting pace with its setting, and
// Program ▸ Translate To in the editor.

#include "../app/ApplicationTestSupport.h"
#include "EditorCommands.h"
#include "Settings.h"
#include "StartingPace.h"
#include "VariablesWindow.h"

#include <QComboBox>

namespace {

class LearningTools : public EditorTest {
protected:
    // Runs the program with the variables window open; every different list it showed, in order.
    std::vector<QStringList> runWatchingVariables(const QString& program) {
        editor->ObeyCommand(EditorCommand::kShowVariables, nullptr);
        VariablesWindow* variables = window->Variables(false);
        EXPECT_TRUE(variables && variables->isVisible());
        std::vector<QStringList> seen;
        QObject::connect(variables, &VariablesWindow::shown, [&] {
            if (seen.empty() || seen.back() != variables->RowTexts())
                seen.push_back(variables->RowTexts());
        });
        setText(program);
        editor->ObeyCommand(EditorCommand::kRunProgram, nullptr);
        return seen;
    }

    void choosePace(int index) {
        QComboBox* choice = window->PaceControl()->Choice();
        choice->setCurrentIndex(index);
        emit choice->activated(index);
    }
};

// The last assignment keeps y's value: the mark stays on x, at every pace.
const QString kThreeAssignments = QStringLiteral("x = 1\ny = 2\nx = 3\ny = 2\n");

TEST_F(LearningTools, StepByStepShowsEveryAssignmentAndMarksTheLast) {
    ASSERT_NE(newPicture(), nullptr);
    choosePace(3); // Step by Step
    EXPECT_EQ(application->StartingPace(), 12);
    const std::vector<QStringList> expected = {
        {}, {"x = 0", "y = 0"}, {"x = 1 ◀", "y = 0"}, {"x = 1", "y = 2 ◀"}, {"x = 3 ◀", "y = 2"},
    };
    EXPECT_EQ(runWatchingVariables(kThreeAssignments), expected);
}

TEST_F(LearningTools, NormalPaceShowsOnlyTheEndValues) {
    ASSERT_NE(newPicture(), nullptr);
    EXPECT_EQ(window->PaceControl()->Level(), 1);
    const std::vector<QStringList> expected = {{}, {"x = 3 ◀", "y = 2"}};
    EXPECT_EQ(runWatchingVariables(kThreeAssignments), expected);
}

TEST_F(LearningTools, StartingPaceIsSavedWithTheSettings) {
    const QString settings = path("pace.json");
    LoadSettings(*application, settings); // creates the empty file
    for (const auto& [chosen, restored] : {std::pair{0, 0}, {30, 30}, {7, 1}}) {
        SCOPED_TRACE(chosen);
        application->SetStartingPace(chosen);
        SaveSettings(*application, settings);
        application->SetStartingPace(5);
        LoadSettings(*application, settings);
        EXPECT_EQ(application->StartingPace(), restored);
        EXPECT_EQ(window->PaceControl()->Level(), restored);
    }
}

TEST_F(LearningTools, TranslationIsOneUndoableEdit) {
    editor->BecomeTarget();
    const QString original = QStringLiteral("-- forward\nrepeat 4 [ forward 10 right 90 ]\n");
    setText(original);
    LCommander::DispatchCommand(SyntheticCommand(kTranslateMenuID, 2));
    EXPECT_EQ(editor->toPlainText(), QStringLiteral("-- forward\nloop 4 [ fd 10 rt 90 ]\n"));
    LCommander::DispatchCommand(cmd_Undo);
    EXPECT_EQ(editor->toPlainText(), original);
}

TEST_F(LearningTools, RefusedTranslationLeavesTheTextAndSaysWhy) {
    editor->BecomeTarget();
    const QString program = QStringLiteral("links = 5\nforward links\n");
    setText(program);
    QString said;
    ModalAnswers user({[&](QWidget* modal) {
        auto* box = qobject_cast<QMessageBox*>(modal);
        ASSERT_NE(box, nullptr);
        said = box->text();
        QTest::keyClick(box, Qt::Key_Return);
    }});
    // Item 3 is the application's own English; the language files follow in name order.
    LCommander::DispatchCommand(SyntheticCommand(kTranslateMenuID, 4));
    EXPECT_EQ(user.shown, 1);
    EXPECT_TRUE(said.contains(QStringLiteral("“links” on line 1"))) << said.toStdString();
    EXPECT_EQ(editor->toPlainText(), program);
    EXPECT_EQ(editor->textCursor().selectedText(), QStringLiteral("links"));
}

} // namespace
