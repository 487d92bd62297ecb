// The interface in German and in French: the language chosen from the language file's region or
// the system locale, the menu titles, the Save question's buttons and the parse-error alert, as
// the real dialogs show them.

#include "InterfaceLanguage.h"

#include "ApplicationTestSupport.h"
#include "CProgramWindow.h"
#include "CTextEditView.h"
#include "EditorCommands.h"
#include "LanguageReference.h"
#include "ProgramWindows.h"

#include <QLabel>
#include <QMenuBar>
#include <QMessageBox>

namespace {

struct LanguageCase {
    const char* language;
    std::int16_t languageFileRegion;
    const char* systemLocale; // a locale that picks the language without a language file
    QStringList menuTitles;
    QStringList saveButtons; // Save, Don't Save, Cancel
    const char* saveQuestionWord;
    QStringList parseAlertTexts; // the message with the unknown word, the place
    const char* referenceHeading;
};

const LanguageCase kCases[] = {
    {"de",
     3,
     "de_AT",
     {"Datei", "Bearbeiten", "Programm", "Stift", "Farbe", "Symmetrie", "Fenster", "Hilfe"},
     {"Speichern", "Nicht speichern", "Abbrechen"},
     "Änderungen",
     {"Unbekanntes Wort: qqq", "Zeile 1, Spalte 12."},
     "<h2>Wörter als Argumente</h2>"},
    {"fr",
     1,
     "fr_CA",
     {"Fichier", "Édition", "Programme", "Crayon", "Couleur", "Symétrie", "Fenêtre", "Aide"},
     {"Enregistrer", "Ne pas enregistrer", "Annuler"},
     "modifications",
     {"Mot inconnu : qqq", "Ligne 1, colonne 12."},
     "<h2>Mots utilisés comme arguments</h2>"},
};

void PrintTo(const LanguageCase& row, std::ostream* out) {
    *out << row.language;
}

std::string joined(const QStringList& texts) {
    return texts.join(QLatin1Char('|')).toStdString();
}

QString withoutMnemonic(QString text) {
    return text.remove(QLatin1Char('&'));
}

class InterfaceLanguageTest : public ApplicationTest,
                              public ::testing::WithParamInterface<LanguageCase> {};

TEST(InterfaceLanguageChoice, EnglishWhenNeitherTheLanguageFileNorTheSystemHasAnother) {
    EXPECT_EQ(ChooseInterfaceLanguage(std::nullopt, {"C"}), "en");
    EXPECT_EQ(ChooseInterfaceLanguage(std::nullopt, {"it_IT", "en_GB", "de_DE"}), "en");
    EXPECT_EQ(ChooseInterfaceLanguage(0, {"de_DE"}), "en") << "an English file";
    EXPECT_EQ(ChooseInterfaceLanguage(4, {"it_IT", "fr_FR"}), "fr") << "an Italian file";
}

TEST_P(InterfaceLanguageTest, MenusTheSaveQuestionAndTheParseErrorAlertSpeakTheLanguage) {
    const LanguageCase& row = GetParam();
    const QString language = QString::fromLatin1(row.language);
    EXPECT_EQ(ChooseInterfaceLanguage(row.languageFileRegion, {"en_US"}), language);
    EXPECT_EQ(ChooseInterfaceLanguage(std::nullopt, {row.systemLocale}), language);
    const InterfaceTranslation translation(language);
    ASSERT_TRUE(translation.hasOwnCatalogue());
    makeApplication(); // the menus are built in the interface language

    newPicture();
    QMenuBar* bar = application->FrontCPaintWindow()->window()->findChild<QMenuBar*>();
    ASSERT_NE(bar, nullptr);
    QStringList titles;
    for (const QAction* menu : bar->actions())
        titles << withoutMnemonic(menu->text());
    EXPECT_EQ(joined(titles), joined(row.menuTitles));

    auto* window = static_cast<CProgramWindow*>(MakeProgramWindow(application.get()));
    ASSERT_NE(window, nullptr);
    CTextEditView* editor = window->TextView();
    editor->InsertText(QStringLiteral("forward 10 qqq"));
    QStringList buttons;
    QString question;
    {
        const ModalAnswers answers({[&](QWidget* modal) {
            auto* box = qobject_cast<QMessageBox*>(modal);
            ASSERT_NE(box, nullptr);
            question = box->text();
            for (const auto which : {QMessageBox::Save, QMessageBox::Discard, QMessageBox::Cancel})
                buttons << (box->button(which) ? withoutMnemonic(box->button(which)->text()) : "");
            box->button(QMessageBox::Cancel)->click();
        }});
        EXPECT_FALSE(editor->ConfirmSaveProgram()) << "cancelled";
    }
    EXPECT_EQ(joined(buttons), joined(row.saveButtons));
    EXPECT_TRUE(question.contains(QString::fromUtf8(row.saveQuestionWord)))
        << question.toStdString();

    QStringList alert;
    {
        const ModalAnswers answers({readThenPress(alert)});
        editor->ObeyCommand(EditorCommand::kRunProgram, nullptr);
    }
    const QString shown = alert.join(QLatin1Char('|'));
    for (const QString& text : row.parseAlertTexts)
        EXPECT_TRUE(shown.contains(text)) << text.toStdString() << " in " << shown.toStdString();
    editor->SetTextQuietly(QString());
    EXPECT_TRUE(LanguageReferenceHtml().contains(QString::fromUtf8(row.referenceHeading)));
}

INSTANTIATE_TEST_SUITE_P(GermanAndFrench, InterfaceLanguageTest, ::testing::ValuesIn(kCases),
                         [](const auto& info) { return std::string(info.param.language); });

} // namespace
