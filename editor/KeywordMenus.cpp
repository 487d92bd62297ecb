#include "KeywordMenus.h"

#include "LanguageTables.h"

#include <algorithm>

namespace {

bool isArgumentSlot(int slot) {
    switch (slot) {
    case kCommentSlot:
    case kPenUpWordSlot:
    case kPenDownWordSlot:
    case kPlainStyleSlot:
    case kBoldStyleSlot:
    case kItalicStyleSlot:
    case kUnderlineStyleSlot:
        return true;
    default:
        return false;
    }
}

void addOnce(std::vector<QString>& words, const QString& word) {
    if (!word.isEmpty() && std::find(words.begin(), words.end(), word) == words.end())
        words.push_back(word);
}

} // namespace

std::vector<QString> StatementWords() {
    InitLanguageTables();
    std::vector<QString> words;
    for (int slot = 0; slot < kKeywordSlots; ++slot) {
        if (!isArgumentSlot(slot))
            addOnce(words, QString::fromUtf8(KeywordSet1(slot).view()));
    }
    return words;
}

std::vector<QString> KeywordMenuItems(MenuIDT menuID) {
    if (menuID == kCommandsMenuID)
        return StatementWords();
    if (menuID != kColoursMenuID)
        return {};
    InitLanguageTables();
    std::vector<QString> words;
    for (int slot = 0; slot < kColourSlots; ++slot)
        addOnce(words, QString::fromUtf8(ColourName1(slot).view()));
    addOnce(words, QString::fromUtf8(KeywordSet1(kCommentSlot).view()));
    return words;
}
