#include "ProgramTranslation.h"

#include "CharacterClasses.h"
#include "ParseContext.h"
#include "Parser.h"

#include <QCoreApplication>
#include <algorithm>
#include <map>
#include <vector>

namespace {

using Status = TranslationResult::Status;

bool isUpper(unsigned char c) {
    return c >= 'A' && c <= 'Z';
}
bool isLower(unsigned char c) {
    return c >= 'a' && c <= 'z';
}

// Keeps the way the program wrote a word: all capitals stay all capitals, a capital first
// letter stays one. Only 'A'..'Z' are folded, as the tokeniser folds them.
std::string withCaseOf(std::string_view written, std::string_view word) {
    std::string result(word);
    int letters = 0;
    int capitals = 0;
    for (const char c : written) {
        const auto byte = static_cast<unsigned char>(c);
        letters += isUpper(byte) || isLower(byte) ? 1 : 0;
        capitals += isUpper(byte) ? 1 : 0;
    }
    const bool allCapitals = letters > 1 && capitals == letters;
    const bool firstCapital = !written.empty() && isUpper(static_cast<unsigned char>(written[0]));
    for (std::size_t i = 0; i < result.size(); ++i) {
        const auto byte = static_cast<unsigned char>(result[i]);
        if (isLower(byte) && (allCapitals || (firstCapital && i == 0)))
            result[i] = static_cast<char>(byte - 'a' + 'A');
    }
    return result;
}

int targetSet(TargetLists lists, int sourceSet) {
    switch (lists) {
    case TargetLists::kFirst:
        return 0;
    case TargetLists::kSecond:
        return 1;
    case TargetLists::kSameAsSource:
        break;
    }
    return sourceSet;
}

std::string_view variableName(const CInstruction& node) {
    return node.Variable() ? node.Variable()->name.view() : std::string_view();
}

// The first node, in walking order, where two trees part; null when they are the same. Both
// lists are walked together; offsets are not compared.
const CInstruction* firstDifference(const CInstruction* a, const CInstruction* b, bool& differ) {
    for (; a && b; a = a->Next(), b = b->Next()) {
        bool same = a->Code() == b->Code() && a->Number() == b->Number() &&
                    variableName(*a) == variableName(*b);
        if (same && a->Code() == kShape) {
            const auto* shapeA = dynamic_cast<const CShapeInstruction*>(a);
            const auto* shapeB = dynamic_cast<const CShapeInstruction*>(b);
            same = shapeA && shapeB && shapeA->Name() == shapeB->Name().view();
        } else if (same && a->Code() == kRunShape) {
            const auto* runA = dynamic_cast<const CRunShapeInstruction*>(a);
            const auto* runB = dynamic_cast<const CRunShapeInstruction*>(b);
            same = runA && runB && runA->Target() && runB->Target() &&
                   runA->Target()->Name() == runB->Target()->Name().view();
        } else if (same && a->Code() == kWrite) {
            const auto* writeA = dynamic_cast<const CWriteInstruction*>(a);
            const auto* writeB = dynamic_cast<const CWriteInstruction*>(b);
            same = writeA && writeB && writeA->Text() == writeB->Text().view();
        }
        if (!same) {
            differ = true;
            return b;
        }
        if (const CInstruction* inner = firstDifference(a->FirstChild(), b->FirstChild(), differ);
            differ)
            return inner;
    }
    if (a || b) {
        differ = true;
        return b;
    }
    return nullptr;
}

// Where each name of the program (variables and shapes) is first used: the text range of the
// first statement that names it.
using NameUses = std::map<std::string, std::pair<std::int32_t, std::int32_t>>;
void collectNameUses(const CInstruction* node, NameUses& uses) {
    for (; node; node = node->Next()) {
        std::string name(variableName(*node));
        if (const auto* shape = dynamic_cast<const CShapeInstruction*>(node))
            name = shape->Name().str();
        if (!name.empty()) {
            const std::pair range(node->StartOffset(), node->EndOffset());
            auto [entry, added] = uses.try_emplace(name, range);
            if (!added && range.first < entry->second.first)
                entry->second = range;
        }
        collectNameUses(node->FirstChild(), uses);
    }
}

// True when a name is spelt like a word of the target's lists.
bool isTargetWord(const Vocabulary& target, std::string_view name) {
    if (target.Classify(name).code != kOtherWord)
        return true;
    for (int set = 0; set < 2; ++set) {
        for (int slot = 0; slot < kColourSlots; ++slot) {
            if (target.Word(WordList::kColourNames, set, slot) == name)
                return true;
        }
    }
    return false;
}

// The block word that starts at offset.
std::string wordAt(std::string_view text, std::int32_t offset) {
    std::size_t end = static_cast<std::size_t>(std::max(offset, 0));
    const std::size_t begin = std::min(end, text.size());
    end = begin;
    while (end < text.size()) {
        const auto c = static_cast<unsigned char>(text[end]);
        if (IsBlank(c) || IsLineEnd(c) || (IsPunctuation(c) && end > begin))
            break;
        ++end;
        if (IsPunctuation(c))
            break;
    }
    return std::string(text.substr(begin, end - begin));
}

TranslationResult refusal(Status status, std::string word, int line) {
    TranslationResult result;
    result.status = status;
    result.word = std::move(word);
    result.line = line;
    return result;
}

// Explains why the translation parses differently: a name that the target takes for one of its
// words if there is one, else the word where the trees part.
TranslationResult explainDifference(std::string_view text, const ParseContext& source,
                                    std::string_view translated, const ParseContext& target,
                                    const Vocabulary& targetWords) {
    NameUses uses;
    collectNameUses(source.firstInstruction.get(), uses);
    const NameUses::value_type* collision = nullptr;
    for (const auto& use : uses) {
        if (isTargetWord(targetWords, use.first) &&
            (!collision || use.second.first < collision->second.first))
            collision = &use;
    }
    if (collision) {
        TranslationResult result = refusal(Status::kNameCollision, collision->first,
                                           LineOfOffset(text, collision->second.first));
        result.errorStart = collision->second.first;
        result.errorEnd = collision->second.second;
        return result;
    }
    bool differ = false;
    const CInstruction* node =
        firstDifference(source.firstInstruction.get(), target.firstInstruction.get(), differ);
    std::int32_t offset = target.parseSucceeded ? 0 : target.errorStart;
    if (node)
        offset = node->StartOffset();
    else if (target.parseSucceeded)
        offset = static_cast<std::int32_t>(translated.size());
    return refusal(Status::kMeaningChanged, wordAt(translated, offset),
                   LineOfOffset(translated, offset));
}

bool sameVariables(const ParseContext& a, const ParseContext& b) {
    if (a.variables.count() != b.variables.count())
        return false;
    for (std::size_t i = 0; i < a.variables.count(); ++i) {
        if (!(a.variables[i]->name == b.variables[i]->name.view()))
            return false;
    }
    return true;
}

} // namespace

int LineOfOffset(std::string_view text, std::int32_t offset) {
    const std::size_t end = std::min(text.size(), static_cast<std::size_t>(std::max(offset, 0)));
    int line = 1;
    for (std::size_t i = 0; i < end; ++i) {
        if (text[i] == '\n' || (text[i] == '\r' && (i + 1 >= text.size() || text[i + 1] != '\n')))
            ++line;
    }
    return line;
}

int FirstParsingVocabulary(std::string_view text, std::span<const Vocabulary* const> candidates) {
    for (std::size_t i = 0; i < candidates.size(); ++i) {
        ParseContext context;
        context.vocabulary = candidates[i];
        if (candidates[i] && ParseProgram(context, text))
            return static_cast<int>(i);
    }
    return -1;
}

TranslationResult TranslateProgram(std::string_view text, const Vocabulary& source,
                                   const Vocabulary& target, TargetLists lists) {
    std::vector<WordUse> uses;
    ParseContext original;
    original.vocabulary = &source;
    original.wordUses = &uses;
    if (!ParseProgram(original, text)) {
        TranslationResult result;
        result.status = Status::kParseFailed;
        result.messageNumber = original.messageNumber;
        result.errorStart = original.errorStart;
        result.errorEnd = original.errorEnd;
        result.line = LineOfOffset(text, original.errorStart);
        return result;
    }
    std::stable_sort(uses.begin(), uses.end(),
                     [](const WordUse& a, const WordUse& b) { return a.start < b.start; });

    TranslationResult result;
    std::size_t copied = 0;
    for (const WordUse& use : uses) {
        const auto start = static_cast<std::size_t>(use.start);
        if (start < copied || start + static_cast<std::size_t>(use.length) > text.size())
            continue; // never overlaps in a well-formed record; keep the bytes rather than guess
        const std::string_view written = text.substr(start, static_cast<std::size_t>(use.length));
        const std::string_view word =
            target.Word(use.word.list, targetSet(lists, use.word.set), use.word.slot);
        if (word.empty()) {
            TranslationResult refused =
                refusal(Status::kNoTargetWord, std::string(written), LineOfOffset(text, use.start));
            refused.errorStart = use.start;
            refused.errorEnd = use.start + use.length;
            return refused;
        }
        result.text.append(text.substr(copied, start - copied));
        result.text.append(withCaseOf(written, word));
        copied = start + written.size();
    }
    result.text.append(text.substr(copied));

    ParseContext translated;
    translated.vocabulary = &target;
    ParseProgram(translated, result.text);
    bool differ = false;
    firstDifference(original.firstInstruction.get(), translated.firstInstruction.get(), differ);
    if (!translated.parseSucceeded || differ || !sameVariables(original, translated))
        return explainDifference(text, original, result.text, translated, target);
    return result;
}

QString TranslationRefusalText(const TranslationResult& result, const QString& targetName) {
    const QString word =
        QString::fromUtf8(result.word.data(), static_cast<qsizetype>(result.word.size()));
    switch (result.status) {
    case Status::kNoTargetWord:
        return QCoreApplication::translate(
                   "ProgramTranslation",
                   "The program cannot be translated: “%1” on line %2 has no word in %3.")
            .arg(word)
            .arg(result.line)
            .arg(targetName);
    case Status::kNameCollision:
        return QCoreApplication::translate("ProgramTranslation",
                                           "The program cannot be translated: the name “%1” on "
                                           "line %2 is a keyword in %3. Rename it first.")
            .arg(word)
            .arg(result.line)
            .arg(targetName);
    case Status::kMeaningChanged:
        return QCoreApplication::translate("ProgramTranslation",
                                           "The program cannot be translated: at “%1” on line %2 "
                                           "it would mean something else in %3.")
            .arg(word)
            .arg(result.line)
            .arg(targetName);
    case Status::kParseFailed:
        return QCoreApplication::translate("ProgramTranslation",
                                           "The program cannot be translated: it has an error on "
                                           "line %1.")
            .arg(result.line);
    case Status::kTranslated:
        break;
    }
    return {};
}
