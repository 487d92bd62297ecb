#include "RenderTranslate.h"

#include "LanguageCatalogue.h"
#include "LanguageFile.h"
#include "LanguageTables.h"
#include "ParseContext.h"
#include "Parser.h"
#include "ProgramTranslation.h"
#include "RegionCode.h"
#include "RenderRun.h"
#include "ResourceChain.h"
#include "TerminalText.h"

#include <cstdio>
#include <vector>

namespace {

// The choice whose region is the one asked for, or else the one a system of that region gets.
const LanguageChoice* choiceOfRegion(const std::vector<LanguageChoice>& choices,
                                     std::int16_t region) {
    for (const std::int16_t wanted : {region, MapRegionCode(region)}) {
        for (const LanguageChoice& choice : choices) {
            if (choice.region == wanted)
                return &choice;
        }
    }
    return nullptr;
}

} // namespace

int TranslateForRender(const RenderOptions& options, const std::string& text) {
    const QString folder =
        options.languagesFolder.isEmpty() ? DefaultLanguagesFolder() : options.languagesFolder;
    const std::vector<LanguageChoice> choices =
        ListLanguages(folder, TheResourceChain().applicationResources());

    // The program may be written in any of the languages; the one in use is tried first.
    const CandidateVocabularies candidates = LoadCandidateVocabularies(choices);
    const int source = FirstParsingVocabulary(text, candidates.inOrder);
    if (source < 0) {
        ParseContext context;
        ParseProgram(context, text);
        PrintParseError(options, text, context);
        return kExitParseError;
    }
    const Vocabulary& sourceWords = *candidates.inOrder[static_cast<std::size_t>(source)];

    const Vocabulary* target = &sourceWords;
    TargetLists lists = TargetLists::kSameAsSource;
    QString targetName;
    if (options.translateTo == QLatin1String("set1") ||
        options.translateTo == QLatin1String("set2")) {
        lists = options.translateTo == QLatin1String("set1") ? TargetLists::kFirst
                                                             : TargetLists::kSecond;
        targetName = options.translateTo == QLatin1String("set1")
                         ? QStringLiteral("the first keyword set")
                         : QStringLiteral("the second keyword set");
    } else {
        const auto region = static_cast<std::int16_t>(options.translateTo.toInt());
        const LanguageChoice* choice = choiceOfRegion(choices, region);
        if (choice == nullptr) {
            PrintRenderError(
                QStringLiteral("no language file for region %1 in \"%2\"").arg(region).arg(folder));
            return kExitUsage;
        }
        const auto index = static_cast<std::size_t>(choice - choices.data());
        target = candidates.owned[index].get();
        targetName = choice->name;
        if (target == nullptr) {
            PrintRenderError(
                QStringLiteral("cannot read the language file \"%1\"").arg(choice->path));
            return kExitUsage;
        }
    }

    const TranslationResult result = TranslateProgram(text, sourceWords, *target, lists);
    if (!result.translated()) {
        std::fprintf(
            stderr, "%s:%d: error: %s\n", options.program.toLocal8Bit().constData(), result.line,
            EscapeForTerminal(TranslationRefusalText(result, targetName).toStdString()).c_str());
        return kExitTranslationRefused;
    }
    std::fwrite(result.text.data(), 1, result.text.size(), stdout);
    return std::fflush(stdout) == 0 ? kExitSuccess : kExitUsage;
}
