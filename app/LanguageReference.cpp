#include "LanguageReference.h"

#include "LanguageTables.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QStandardPaths>
#include <utility>

namespace {

struct LanguageReference {
    Q_DECLARE_TR_FUNCTIONS(LanguageReference)
};

template <typename Str> QString text(const Str& word) {
    const std::string_view bytes = word.view();
    return QString::fromUtf8(bytes.data(), static_cast<qsizetype>(bytes.size())).toHtmlEscaped();
}

struct SlotEntry {
    int slot;
    const char* meaning;
    // %1 is the slot's word; %F forward, %R right, %E end, %U up, %C red, %B bold.
    const char* example;
};

// Slots in the order a newcomer meets them.
constexpr SlotEntry kStatementSlots[] = {
    {6,
     QT_TRANSLATE_NOOP("LanguageReference",
                       "move forward by a distance, drawing while the pen is down"),
     "%1 100"},
    {9, QT_TRANSLATE_NOOP("LanguageReference", "the same as the forward word"), "%1 100"},
    {10, QT_TRANSLATE_NOOP("LanguageReference", "the same as the forward word"), "%1 100"},
    {7, QT_TRANSLATE_NOOP("LanguageReference", "move back by a distance"), "%1 50"},
    {8, QT_TRANSLATE_NOOP("LanguageReference", "the same as the back word"), "%1 50"},
    {11, QT_TRANSLATE_NOOP("LanguageReference", "turn left by degrees"), "%1 90"},
    {12, QT_TRANSLATE_NOOP("LanguageReference", "turn right by degrees"), "%1 90"},
    {13, QT_TRANSLATE_NOOP("LanguageReference", "repeat the block a number of times"),
     "%1 4 [ %F 80 %R 90 ]"},
    {14, QT_TRANSLATE_NOOP("LanguageReference", "end a shape definition"), "%1"},
    {0,
     QT_TRANSLATE_NOOP("LanguageReference",
                       "define a shape (a named block) to draw later by its name"),
     QT_TRANSLATE_NOOP("LanguageReference", "%1 square %F 10 %E")},
    {27, QT_TRANSLATE_NOOP("LanguageReference", "give a variable a value"),
     QT_TRANSLATE_NOOP("LanguageReference", "%1 size = 40")},
    {2, QT_TRANSLATE_NOOP("LanguageReference", "the pen's width in pixels (0 to 100)"), "%1 8"},
    {22, QT_TRANSLATE_NOOP("LanguageReference", "lift or lower the pen"), "%1 %U"},
    {4, QT_TRANSLATE_NOOP("LanguageReference", "lift the pen: move without drawing"), "%1"},
    {5, QT_TRANSLATE_NOOP("LanguageReference", "lower the pen: draw again"), "%1"},
    {15, QT_TRANSLATE_NOOP("LanguageReference", "the pen's colour: a colour name or a digit"),
     "%1 %C"},
    {16, QT_TRANSLATE_NOOP("LanguageReference", "the same as the colour word"), "%1 %C"},
    {25, QT_TRANSLATE_NOOP("LanguageReference", "the same as the colour word"), "%1 3"},
    {26, QT_TRANSLATE_NOOP("LanguageReference", "the same as the colour word"), "%1 4"},
    {3,
     QT_TRANSLATE_NOOP("LanguageReference",
                       "mirror the drawing: level 0 to 4 gives 1, 2, 4, 6 or 8 copies"),
     "%1 4"},
    {36,
     QT_TRANSLATE_NOOP("LanguageReference", "fill the area under the turtle with the pen colour"),
     "%1"},
    {1, QT_TRANSLATE_NOOP("LanguageReference", "wipe the picture and send the turtle home"), "%1"},
    {17, QT_TRANSLATE_NOOP("LanguageReference", "wipe the picture, leaving the turtle where it is"),
     "%1"},
    {18, QT_TRANSLATE_NOOP("LanguageReference", "send the turtle to the middle, facing up"), "%1"},
    {20, QT_TRANSLATE_NOOP("LanguageReference", "how fast the turtle moves (0 to 100)"), "%1 50"},
    {19, QT_TRANSLATE_NOOP("LanguageReference", "wait a number of ticks (sixtieths of a second)"),
     "%1 30"},
    {28, QT_TRANSLATE_NOOP("LanguageReference", "write text where the turtle stands"),
     QT_TRANSLATE_NOOP("LanguageReference", "%1 \"Hello\"")},
    {29, QT_TRANSLATE_NOOP("LanguageReference", "the font of written text"), "%1 \"Serif\""},
    {30, QT_TRANSLATE_NOOP("LanguageReference", "the size of written text"), "%1 24"},
    {31, QT_TRANSLATE_NOOP("LanguageReference", "the style of written text"), "%1 %B"},
    {21,
     QT_TRANSLATE_NOOP("LanguageReference",
                       "a note for the reader; the rest of the line is not run"),
     QT_TRANSLATE_NOOP("LanguageReference", "%1 my drawing")},
};

QString example(const SlotEntry& entry, int set) {
    const auto word = [set](int slot) {
        return set == 1 ? text(KeywordSet1(slot)) : text(KeywordSet2(slot));
    };
    QString line = LanguageReference::tr(entry.example);
    const std::pair<const char*, QString> words[] = {
        {"%U", word(kPenUpWordSlot)},
        {"%F", word(6)},
        {"%R", word(12)},
        {"%E", word(14)},
        {"%B", word(kBoldStyleSlot)},
        {"%1", word(entry.slot)},
        {"%C", set == 1 ? text(ColourName1(2)) : text(ColourName2(2))},
    };
    for (const auto& [marker, replacement] : words)
        line.replace(QLatin1String(marker), replacement);
    return line;
}

} // namespace

QString LanguageReferenceHtml() {
    InitLanguageTables();
    const QString title = LanguageReference::tr("Turtlescope language reference");
    QString html =
        QStringLiteral(
            "<!DOCTYPE html><html><head><meta charset=\"utf-8\"><title>%1</title><style>"
            "body{font-family:sans-serif;max-width:60em;margin:2em auto}"
            "table{border-collapse:collapse}td,th{border:1px solid #ccc;padding:.3em "
            ".6em;text-align:left}"
            "code{background:#f4f4f4}</style></head><body><h1>%1</h1><p>%2</p><h2>%3</h2>"
            "<table><tr><th>%4</th><th>%5</th><th>%6</th><th>%7</th></tr>")
            .arg(title,
                 LanguageReference::tr("Every word below works in any program, in any mix of "
                                       "upper and lower case; the two word sets may be mixed "
                                       "freely."),
                 LanguageReference::tr("Commands"), LanguageReference::tr("Word"),
                 LanguageReference::tr("Also"), LanguageReference::tr("Meaning"),
                 LanguageReference::tr("Example"));
    for (const SlotEntry& entry : kStatementSlots) {
        html += QStringLiteral(
                    "<tr><td><b>%1</b></td><td>%2</td><td>%3</td><td><code>%4</code></td></tr>")
                    .arg(text(KeywordSet1(entry.slot)), text(KeywordSet2(entry.slot)),
                         LanguageReference::tr(entry.meaning).toHtmlEscaped(), example(entry, 1));
    }
    html += QStringLiteral("</table><h2>%1</h2><p>")
                .arg(LanguageReference::tr("Words used as arguments"));
    const int argumentSlots[] = {kPenUpWordSlot, kPenDownWordSlot, kPlainStyleSlot,
                                 kBoldStyleSlot, kItalicStyleSlot, kUnderlineStyleSlot};
    for (const int slot : argumentSlots)
        html += QStringLiteral("<code>%1</code> (%2) ")
                    .arg(text(KeywordSet1(slot)), text(KeywordSet2(slot)));
    html += QStringLiteral("</p><h2>%1</h2><table><tr><th>%2</th><th>%3</th><th>%4</th></tr>")
                .arg(LanguageReference::tr("Colours"), LanguageReference::tr("Digit"),
                     LanguageReference::tr("Name"), LanguageReference::tr("Also"));
    for (int slot = 0; slot < kColourSlots; ++slot) {
        html += QStringLiteral("<tr><td>%1</td><td>%2</td><td>%3</td></tr>")
                    .arg((slot + 1) % 10)
                    .arg(text(ColourName1(slot)), text(ColourName2(slot)));
    }
    html += QStringLiteral("</table><h2>%1</h2><p>").arg(LanguageReference::tr("Abbreviations"));
    for (int list = 0; list < 2; ++list) {
        for (int slot = 0; slot < kAbbreviationSlots; ++slot) {
            if (Abbreviation(list, slot).length() > 0)
                html += QStringLiteral("<code>%1</code> ").arg(text(Abbreviation(list, slot)));
        }
    }
    const QString arithmeticExample = text(KeywordSet1(6)) + QStringLiteral(" (x + 10) * 2");
    html += QStringLiteral("</p><h2>%1</h2><p>%2</p></body></html>\n")
                .arg(LanguageReference::tr("Arithmetic"),
                     LanguageReference::tr("Numbers and variables combine with %1 and "
                                           "parentheses: %2.")
                         .arg(QStringLiteral("<code>+ - * / %</code>"),
                              QStringLiteral("<code>%1</code>").arg(arithmeticExample)));
    return html;
}

QString WriteLanguageReference() {
    const QString folder = QStandardPaths::writableLocation(QStandardPaths::CacheLocation);
    if (folder.isEmpty() || !QDir().mkpath(folder))
        return QString();
    const QString path = QDir(folder).filePath(QStringLiteral("language-reference.html"));
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate))
        return QString();
    const QByteArray bytes = LanguageReferenceHtml().toUtf8();
    return file.write(bytes) == bytes.size() ? path : QString();
}
