#pragma once

// Colours a program as it is typed: statement words of both keyword sets and their
// abbreviations, argument words, colour names, numbers and comments, all from the live tables.
// Qt recomputes only the lines a change touches.

#include <QSet>
#include <QString>
#include <QSyntaxHighlighter>
#include <QTextCharFormat>

class ProgramHighlighter : public QSyntaxHighlighter {
    Q_OBJECT
public:
    explicit ProgramHighlighter(QTextDocument* document);

    // Reads the keyword tables again (after a language change) and recolours everything.
    void ReloadWords();

protected:
    void highlightBlock(const QString& text) override;

private:
    QSet<QString> mStatementWords;
    QSet<QString> mArgumentWords;
    QSet<QString> mColourWords;
    QString mCommentWord;
    QTextCharFormat mStatementFormat;
    QTextCharFormat mArgumentFormat;
    QTextCharFormat mColourFormat;
    QTextCharFormat mNumberFormat;
    QTextCharFormat mCommentFormat;
};
