#include "EditorTranslation.h"

#include "CTextEditView.h"
#include "LanguageCatalogue.h"
#include "LanguageFile.h"
#include "LanguageTables.h"
#include "ParseContext.h"
#include "Parser.h"
#include "ProgramTranslation.h"
#include "ResourceChain.h"

#include <QCoreApplication>
#include <QMessageBox>
#include <QTextBlock>
#include <QTextCursor>
#include <memory>

namespace {

constexpr int kLanguageItems = 3; // the first language's item

struct EditorTranslation {
    Q_DECLARE_TR_FUNCTIONS(EditorTranslation)
};

std::vector<LanguageChoice> languages() {
    return ListLanguages(DefaultLanguagesFolder(), TheResourceChain().applicationResources());
}

QString keywordSetName(int set) {
    return set == 1 ? EditorTranslation::tr("the first keyword set")
                    : EditorTranslation::tr("the second keyword set");
}

void refuse(CTextEditView& editor, const QString& text) {
    QMessageBox::warning(editor.window(), EditorTranslation::tr("Translate Program"), text);
}

} // namespace

std::vector<QString> TranslateMenuItems() {
    InitLanguageTables();
    const auto example = [](std::string_view word) {
        return QString::fromUtf8(word.data(), static_cast<qsizetype>(word.size()));
    };
    std::vector<QString> items{
        EditorTranslation::tr("First Keyword Set (%1)").arg(example(KeywordSet1(6).view())),
        EditorTranslation::tr("Second Keyword Set (%1)").arg(example(KeywordSet2(6).view())),
    };
    for (const LanguageChoice& choice : languages())
        items.push_back(choice.name);
    return items;
}

bool TranslateEditorText(CTextEditView& editor, int item) {
    InitLanguageTables();
    const std::string text(editor.programText());
    if (text.empty() || item < 1)
        return false;

    // The program may be written in any of the languages; the one in use is tried first.
    const std::vector<LanguageChoice> choices = languages();
    const CandidateVocabularies candidates = LoadCandidateVocabularies(choices);
    const int source = FirstParsingVocabulary(text, candidates.inOrder);
    if (source < 0) {
        ParseContext context;
        ParseProgram(context, text);
        editor.selectRange(context.errorStart, context.errorEnd);
        editor.ensureCursorVisible();
        refuse(editor, EditorTranslation::tr(
                           "The program cannot be translated until it can run: line %1: %2")
                           .arg(LineOfOffset(text, context.errorStart))
                           .arg(QString::fromUtf8(
                               context.errorMessage.view().data(),
                               static_cast<qsizetype>(context.errorMessage.view().size()))));
        return false;
    }
    const Vocabulary& sourceWords = *candidates.inOrder[static_cast<std::size_t>(source)];

    const Vocabulary* target = &sourceWords;
    TargetLists lists = TargetLists::kSameAsSource;
    QString targetName;
    if (item < kLanguageItems) {
        lists = item == 1 ? TargetLists::kFirst : TargetLists::kSecond;
        targetName = keywordSetName(item);
    } else {
        const auto index = static_cast<std::size_t>(item - kLanguageItems);
        if (index >= choices.size() || candidates.owned[index] == nullptr) {
            refuse(editor, EditorTranslation::tr("That language file cannot be read any more."));
            return false;
        }
        target = candidates.owned[index].get();
        targetName = choices[index].name;
    }

    const TranslationResult result = TranslateProgram(text, sourceWords, *target, lists);
    if (!result.translated()) {
        if (result.errorEnd > result.errorStart) {
            editor.selectRange(result.errorStart, result.errorEnd);
            editor.ensureCursorVisible();
        }
        refuse(editor, TranslationRefusalText(result, targetName));
        return false;
    }
    if (result.text == text)
        return false;
    if (result.text.size() > static_cast<std::size_t>(editor.MaxTextBytes())) {
        refuse(editor,
               EditorTranslation::tr("The translated program would be too long for the editor."));
        return false;
    }
    // One edit, so one Undo brings the program back; the insertion point stays on its line.
    const int line = editor.textCursor().blockNumber();
    QTextCursor cursor(editor.document());
    cursor.beginEditBlock();
    cursor.select(QTextCursor::Document);
    cursor.insertText(QString::fromStdString(result.text));
    cursor.endEditBlock();
    const QTextBlock block = editor.document()->findBlockByNumber(line);
    cursor.setPosition(block.isValid() ? block.position() : 0);
    editor.setTextCursor(cursor);
    editor.ensureCursorVisible();
    return true;
}
