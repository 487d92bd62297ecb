// The colours a program line takes as it is typed, one letter per character.

#include "ProgramHighlighter.h"

#include "../app/ApplicationTestSupport.h"

#include <QTextBlock>
#include <QTextLayout>

// s statement, a argument, c colour, n number, # comment, . plain.
static QString classesOf(const QString& line) {
    QTextDocument document;
    ProgramHighlighter highlighter(&document);
    document.setPlainText(line);
    highlighter.rehighlight(); // Qt leaves the first pass to the event loop
    const std::pair<QRgb, QChar> letters[] = {{0xFF1A4FA8, u's'},
                                              {0xFF7A3E9D, u'a'},
                                              {0xFFB04A00, u'c'},
                                              {0xFF0A7A3B, u'n'},
                                              {0xFF707070, u'#'}};
    QString classes(line.size(), u'.');
    for (const QTextLayout::FormatRange& range : document.firstBlock().layout()->formats()) {
        for (const auto& [rgb, letter] : letters) {
            if (range.format.foreground().color().rgb() == rgb)
                classes.replace(range.start, range.length, QString(range.length, letter));
        }
    }
    return classes;
}

TEST_F(ApplicationTest, TheHighlighterColoursWordsNumbersAndComments) {
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
