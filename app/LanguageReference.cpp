#include "LanguageReference.h"

#include "LanguageTables.h"

#include <QDir>
#include <QFile>
#include <QStandardPaths>
#include <utility>

namespace {

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
    {6, "move forward by a distance, drawing while the pen is down", "%1 100"},
    {9, "the same as the forward word", "%1 100"},
    {10, "the same as the forward word", "%1 100"},
    {7, "move back by a distance", "%1 50"},
    {8, "the same as the back word", "%1 50"},
    {11, "turn left by degrees", "%1 90"},
    {12, "turn right by degrees", "%1 90"},
    {13, "repeat the block a number of times", "%1 4 [ %F 80 %R 90 ]"},
    {14, "end a shape definition", "%1"},
    {0, "define a shape (a named block) to draw later by its name", "%1 square %F 10 %E"},
    {27, "give a variable a value", "%1 size = 40"},
    {2, "the pen's width in pixels (0 to 100)", "%1 8"},
    {22, "lift or lower the pen", "%1 %U"},
    {4, "lift the pen: move without drawing", "%1"},
    {5, "lower the pen: draw again", "%1"},
    {15, "the pen's colour: a colour name or a digit", "%1 %C"},
    {16, "the same as the colour word", "%1 %C"},
    {25, "the same as the colour word", "%1 3"},
    {26, "the same as the colour word", "%1 4"},
    {3, "mirror the drawing: level 0 to 4 gives 1, 2, 4, 6 or 8 copies", "%1 4"},
    {36, "fill the area under the turtle with the pen colour", "%1"},
    {1, "wipe the picture and send the turtle home", "%1"},
    {17, "wipe the picture, leaving the turtle where it is", "%1"},
    {18, "send the turtle to the middle, facing up", "%1"},
    {20, "how fast the turtle moves (0 to 100)", "%1 50"},
    {19, "wait a number of ticks (sixtieths of a second)", "%1 30"},
    {28, "write text where the turtle stands", "%1 \"Hello\""},
    {29, "the font of written text", "%1 \"Serif\""},
    {30, "the size of written text", "%1 24"},
    {31, "the style of written text", "%1 %B"},
    {21, "a note for the reader; the rest of the line is not run", "%1 my drawing"},
};

QString example(const SlotEntry& entry, int set) {
    const auto word = [set](int slot) {
        return set == 1 ? text(KeywordSet1(slot)) : text(KeywordSet2(slot));
    };
    QString line = QString::fromUtf8(entry.example);
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
    QString html = QStringLiteral(
        "<!DOCTYPE html><html><head><meta charset=\"utf-8\"><title>Turtlescope language "
        "reference</title><style>body{font-family:sans-serif;max-width:60em;margin:2em auto}"
        "table{border-collapse:collapse}td,th{border:1px solid #ccc;padding:.3em "
        ".6em;text-align:left}"
        "code{background:#f4f4f4}</style></head><body><h1>Turtlescope language reference</h1>"
        "<p>Every word below works in any program, in any mix of upper and lower case; the two "
        "word sets may be mixed freely.</p><h2>Commands</h2><table><tr><th>Word</th>"
        "<th>Also</th><th>Meaning</th><th>Example</th></tr>");
    for (const SlotEntry& entry : kStatementSlots) {
        html += QStringLiteral(
                    "<tr><td><b>%1</b></td><td>%2</td><td>%3</td><td><code>%4</code></td></tr>")
                    .arg(text(KeywordSet1(entry.slot)), text(KeywordSet2(entry.slot)),
                         QString::fromUtf8(entry.meaning), example(entry, 1));
    }
    html += QStringLiteral("</table><h2>Words used as arguments</h2><p>");
    const int argumentSlots[] = {kPenUpWordSlot, kPenDownWordSlot, kPlainStyleSlot,
                                 kBoldStyleSlot, kItalicStyleSlot, kUnderlineStyleSlot};
    for (const int slot : argumentSlots)
        html += QStringLiteral("<code>%1</code> (%2) ")
                    .arg(text(KeywordSet1(slot)), text(KeywordSet2(slot)));
    html += QStringLiteral(
        "</p><h2>Colours</h2><table><tr><th>Digit</th><th>Name</th><th>Also</th></tr>");
    for (int slot = 0; slot < kColourSlots; ++slot) {
        html += QStringLiteral("<tr><td>%1</td><td>%2</td><td>%3</td></tr>")
                    .arg((slot + 1) % 10)
                    .arg(text(ColourName1(slot)), text(ColourName2(slot)));
    }
    html += QStringLiteral("</table><h2>Abbreviations</h2><p>");
    for (int list = 0; list < 2; ++list) {
        for (int slot = 0; slot < kAbbreviationSlots; ++slot) {
            if (Abbreviation(list, slot).length() > 0)
                html += QStringLiteral("<code>%1</code> ").arg(text(Abbreviation(list, slot)));
        }
    }
    html += QStringLiteral(
        "</p><h2>Arithmetic</h2><p>Numbers and variables combine with "
        "<code>+ - * / %</code> and parentheses: <code>forward (size + 10) * 2</code>.</p>"
        "</body></html>\n");
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
