#include "LineNumberGutter.h"

#include "CTextEditView.h"

#include <QPainter>
#include <QTextBlock>

LineNumberGutter::LineNumberGutter(CTextEditView* editor) : QWidget(editor), mEditor(editor) {}

int LineNumberGutter::WidthForLines() const {
    int digits = 2;
    for (int lines = mEditor->blockCount(); lines >= 100; lines /= 10)
        ++digits;
    return 8 + fontMetrics().horizontalAdvance(QLatin1Char('9')) * digits;
}

void LineNumberGutter::paintEvent(QPaintEvent* event) {
    QPainter painter(this);
    painter.fillRect(event->rect(), palette().color(QPalette::AlternateBase));
    const int current = mEditor->textCursor().blockNumber();
    QTextBlock block = mEditor->firstVisibleBlock();
    int top =
        qRound(mEditor->blockBoundingGeometry(block).translated(mEditor->contentOffset()).top());
    const int lineHeight = fontMetrics().height();
    while (block.isValid() && top <= event->rect().bottom()) {
        const int height = qRound(mEditor->blockBoundingRect(block).height());
        if (block.isVisible() && top + height >= event->rect().top()) {
            painter.setPen(block.blockNumber() == current
                               ? palette().color(QPalette::Text)
                               : palette().color(QPalette::PlaceholderText));
            painter.drawText(0, top, width() - 4, lineHeight, Qt::AlignRight,
                             QString::number(block.blockNumber() + 1));
        }
        top += height;
        block = block.next();
    }
}
