// Inserting command words from the menus and the palette, answering the real argument dialogs.

#include "../app/ApplicationTestSupport.h"
#include "CommandPalette.h"
#include "LanguageFile.h"
#include "StDialogHandler.h"

// Types into pane 3 (when given) and clicks the button with the message.
static Answer answerDialog(const QString& typed, MessageT message) {
    return [typed, message](QWidget* dialog) {
        if (!typed.isNull()) {
            auto* field = qobject_cast<QLineEdit*>(FindPaneBelow(dialog, 3));
            ASSERT_NE(field, nullptr);
            field->clear();
            QTest::keyClicks(field, typed);
        }
        for (QAbstractButton* button : dialog->findChildren<QAbstractButton*>()) {
            if (messageOf(button) == message)
                return QTest::mouseClick(button, Qt::LeftButton);
        }
        ADD_FAILURE() << "no button sends " << message;
    };
}

TEST_F(EditorTest, MenuAndPaletteWordsAreInsertedWithTheirArguments) {
    // The menu and its word, what is typed into the dialog (null: nothing), the message of the
    // button pressed (0: no dialog), and the text after, | marking the caret.
    const std::tuple<MenuIDT, QString, QString, MessageT, QString> cases[] = {
        {kCommandsMenuID, "repeat", "4", 900, "one\nrepeat 4\n|\nend\nthree"},
        {kColoursMenuID, "comment", "hi there", 900, "one\n-- hi there\n|three"},
        {kCommandsMenuID, "forward", {}, 50000, "one\nforward 50\n|three"},
        {kCommandsMenuID, "pensize", {}, -1, "one\npensize 0\n|three"},
        {kCommandsMenuID, "color", {}, 3000, "one\ncolor red\n|three"},
        {kCommandsMenuID, "left", "90", 901, "one\n|two\nthree"}, // cancelled
        {kColoursMenuID, "blue", {}, 0, "one\nblue\n|three"},
    };
    for (const auto& [menu, word, typed, message, expected] : cases) {
        SCOPED_TRACE(expected.toStdString());
        setText(QStringLiteral("one\ntwo\nthree"));
        editor->selectRange(4, 8); // "two\n"
        const std::vector<QString> items = KeywordMenuItems(menu);
        const auto item = std::find(items.begin(), items.end(), word) - items.begin() + 1;
        ASSERT_LE(item, static_cast<std::ptrdiff_t>(items.size()));
        ModalAnswers user(message == 0 ? std::vector<Answer>()
                                       : std::vector{answerDialog(typed, message)});
        EXPECT_TRUE(LCommander::DispatchCommand(SyntheticCommand(menu, static_cast<int>(item))));
        QString shown = editor->toPlainText();
        shown.insert(message == 901 ? 4 : editor->textCursor().position(), QLatin1Char('|'));
        EXPECT_EQ(shown, expected);
    }

    // A German language file: a palette button inserts its word through command 1000, with the
    // word's own dialog.
    ResourceChain chain(LoadApplicationResources());
    ASSERT_TRUE(InstallLanguageFile(
        chain, QStringLiteral(TURTLESCOPE_SOURCE_DIR "/resources/Languages"), 3));
    InitLanguageTablesFrom(chain);
    EXPECT_EQ(KeywordMenuItems(kColoursMenuID).at(1), QStringLiteral("weiß"));
    CCommandPaletteView palette;
    QPushButton* repeat = nullptr;
    for (QPushButton* button : palette.findChildren<QPushButton*>()) {
        if (button->text() == QStringLiteral("wiederhole"))
            repeat = button;
    }
    ASSERT_NE(repeat, nullptr);
    setText(QString());
    editor->BecomeTarget();
    ModalAnswers user({answerDialog(QStringLiteral("3"), 900)});
    QTest::mouseClick(repeat, Qt::LeftButton);
    EXPECT_EQ(editor->toPlainText(), QStringLiteral("wiederhole 3\n\nende"));
    InitLanguageTablesFrom(ResourceChain(LoadApplicationResources()));
}
