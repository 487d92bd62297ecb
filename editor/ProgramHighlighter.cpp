#include "ProgramHighlighter.h"

#include "CharacterClasses.h"
#include "LanguageTables.h"

namespace {

// The tokeniser folds only 'A' to 'Z'.
QString foldAscii(QStringView word) {
    QString folded = word.toString();
    for (QChar& c : folded) {
        if (c >= QLatin1Char('A') && c <= QLatin1Char('Z'))
            c = QChar(c.unicode() + ('a' - 'A'));
    }
    return folded;
}

// Where the tokeniser ends a word: blanks, line ends and the one-character words.
bool isSeparator(QChar c) {
    const char16_t u = c.unicode();
    if (u >= 0x80)
        return false;
    const auto byte = static_cast<unsigned char>(u);
    return IsBlank(byte) || IsLineEnd(byte) || IsPunctuation(byte);
}

bool startsComment(const QString& text, qsizetype i) {
    const QChar c = text[i];
    if (c == QLatin1Char('#') || c == QLatin1Char(';'))
        return true;
    return (c == QLatin1Char('-') || c == QLatin1Char('/')) && i + 1 < text.size() &&
           text[i + 1] == c;
}

template <typename Entry> void addWord(QSet<QString>& words, const Entry& entry) {
    if (!entry.empty())
        words.insert(QString::fromUtf8(entry.view()));
}

bool isArgumentSlot(int slot) {
    return slot == kPenUpWordSlot || slot == kPenDownWordSlot || slot == kPlainStyleSlot ||
           slot == kBoldStyleSlot || slot == kItalicStyleSlot || slot == kUnderlineStyleSlot;
}

QTextCharFormat formatOf(const QColor& colour, bool bold = false, bool italic = false) {
    QTextCharFormat format;
    format.setForeground(colour);
    if (bold)
        format.setFontWeight(QFont::Bold);
    format.setFontItalic(italic);
    return format;
}

} // namespace

ProgramHighlighter::ProgramHighlighter(QTextDocument* document)
    : QSyntaxHighlighter(document), mStatementFormat(formatOf(QColor(0x1A, 0x4F, 0xA8), true)),
      mArgumentFormat(formatOf(QColor(0x7A, 0x3E, 0x9D))),
      mColourFormat(formatOf(QColor(0xB0, 0x4A, 0x00))),
      mNumberFormat(formatOf(QColor(0x0A, 0x7A, 0x3B))),
      mCommentFormat(formatOf(QColor(0x70, 0x70, 0x70), false, true)) {
    ReloadWords();
}

void ProgramHighlighter::ReloadWords() {
    InitLanguageTables();
    mStatementWords.clear();
    mArgumentWords.clear();
    mColourWords.clear();
    for (int slot = 0; slot < kKeywordSlots; ++slot) {
        if (slot == kCommentSlot)
            continue;
        QSet<QString>& words = isArgumentSlot(slot) ? mArgumentWords : mStatementWords;
        addWord(words, KeywordSet1(slot));
        addWord(words, KeywordSet2(slot));
    }
    for (int list = 0; list < 2; ++list) {
        for (int slot = 0; slot < kAbbreviationSlots; ++slot)
            addWord(mStatementWords, Abbreviation(list, slot));
    }
    for (int slot = 0; slot < kColourSlots; ++slot) {
        addWord(mColourWords, ColourName1(slot));
        addWord(mColourWords, ColourName2(slot));
    }
    rehighlight();
}

void ProgramHighlighter::highlightBlock(const QString& text) {
    const qsizetype n = text.size();
    qsizetype i = 0;
    while (i < n) {
        if (startsComment(text, i)) {
            setFormat(static_cast<int>(i), static_cast<int>(n - i), mCommentFormat);
            return;
        }
        if (isSeparator(text[i])) {
            ++i;
            continue;
        }
        qsizetype end = i;
        bool digits = true;
        while (end < n && !isSeparator(text[end])) {
            digits = digits && text[end].isDigit() && text[end].unicode() < 0x80;
            ++end;
        }
        const auto start = static_cast<int>(i);
        const auto length = static_cast<int>(end - i);
        if (digits) {
            setFormat(start, length, mNumberFormat);
        } else {
            const QString word = foldAscii(QStringView(text).sliced(i, end - i));
            if (mStatementWords.contains(word))
                setFormat(start, length, mStatementFormat);
            else if (mColourWords.contains(word))
                setFormat(start, length, mColourFormat);
            else if (mArgumentWords.contains(word))
                setFormat(start, length, mArgumentFormat);
        }
        i = end;
    }
}
