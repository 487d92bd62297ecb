// The colours a program line takes as it is typed, one letter per character.

#include "ProgramHighlighter.h"

#include "LanguageTables.h"
#include "ResourceChain.h"
#include "WidgetTestApplication.h"

#include <QTextBlock>
#include <QTextDocument>
#include <QTextLayout>
#include <gtest/gtest.h>

namespace {

// s statement, a argument, c colour, n number, # comment, . plain.
QString classesOf(const QString& line) {
    QTextDocument document;
    ProgramHighlighter highlighter(&document);
    document.setPlainText(line);
    highlighter.rehighlight(); // Qt leaves the first pass to the event loop
    const QList<std::pair<QRgb, QChar>> letters = {{qRgb(0x1A, 0x4F, 0xA8), u's'},
                                                   {qRgb(0x7A, 0x3E, 0x9D), u'a'},
                                                   {qRgb(0xB0, 0x4A, 0x00), u'c'},
                                                   {qRgb(0x0A, 0x7A, 0x3B), u'n'},
                                                   {qRgb(0x70, 0x70, 0x70), u'#'}};
    QString classes(line.size(), u'.');
    for (const QTextLayout::FormatRange& range : document.firstBlock().layout()->formats()) {
        for (const auto& [rgb, letter] : letters) {
            if (range.format.foreground().color().rgb() == rgb)
                classes.replace(range.start, range.length, QString(range.length, letter));
        }
    }
    return classes;
}

} // namespace

TEST(ProgramHighlighterTest, ColoursWordsNumbersAndComments) {
    widgetTestApplication();
    InitLanguageTablesFrom(ResourceChain(LoadApplicationResources()));
    const char* const rows[][2] = {
        {"forward 10", "sssssss.nn"},           {"FD 1 penup", "ss.n.sssss"},
        {"pen up ; x", "sss.aa.###"},           {"Color red -- a note", "sssss.ccc.#########"},
        {"back -5 # x", "ssss..n.###"},         {"x2 // 3", "...####"},
        {"repeat 4 [fd 1]", "ssssss.n..ss.n."},
    };
    for (const auto& [line, expected] : rows) {
        SCOPED_TRACE(line);
        EXPECT_EQ(classesOf(QString::fromUtf8(line)).toStdString(), expected);
    }
}
