// The program text's colours, from the live keyword tables.

#include "../app/ApplicationTestSupport.h"

#include <QTextBlock>
#include <QTextLayout>

namespace {

TEST_F(EditorTest, StatementWordsNumbersColoursAndCommentsTakeTheirColours) {
    setText(QStringLiteral("Forward 10 zebra red\n-- note red"));
    QStringList spans;
    for (QTextBlock block = editor->document()->begin(); block.isValid(); block = block.next()) {
        for (const QTextLayout::FormatRange& range : block.layout()->formats())
            spans << QStringLiteral("%1:%2+%3 %4")
                         .arg(block.blockNumber())
                         .arg(range.start)
                         .arg(range.length)
                         .arg(range.format.foreground().color().name());
    }
    EXPECT_EQ(spans,
              (QStringList{"0:0+7 #1a4fa8", "0:8+2 #0a7a3b", "0:17+3 #b04a00", "1:0+11 #707070"}));
}

} // namespace
