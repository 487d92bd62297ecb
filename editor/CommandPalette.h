#pragma once

// The command palette's contents: a button for each statement word of keyword set 1, titled
// from the live tables. A click remembers the word and sends command 1000, which the program
// editor answers by inserting it.

#include "LView.h"
#include "ViewResources.h"

#include <QString>

class QVBoxLayout;

constexpr ResIDT kCommandPaletteContents = 1006;

class CCommandPaletteView : public LView {
    Q_OBJECT
public:
    static constexpr std::uint32_t class_ID = 0x436D6450; // 'CmdP'

    explicit CCommandPaletteView(QWidget* parent = nullptr);

    // Makes the buttons again from the keyword tables (after a language change).
    void RebuildButtons();

private:
    QVBoxLayout* mLayout;
};

// The title of the palette button clicked most recently; empty before the first click.
QString LastClickedPaletteWord();
