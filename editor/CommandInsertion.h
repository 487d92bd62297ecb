#pragma once

// Turning a command word (a menu item or a command-palette button) into the text the editor
// inserts: the argument dialog the word needs, the argument, and block words with their end.

#include "LCommander.h"
#include "ViewResources.h"

#include <QString>
#include <optional>

// View resources of the argument dialogs.
constexpr ResIDT kDistanceDialog = 1007;
constexpr ResIDT kCountDialog = 1008;
constexpr ResIDT kAngleDialog = 1009;
constexpr ResIDT kColourDialog = 1010;
constexpr ResIDT kSymmetryDialog = 1011;
constexpr ResIDT kShapeDialog = 1012;
constexpr ResIDT kCommentDialog = 1013;

struct ArgumentNeed {
    ResIDT dialog = 0; // 0: no argument
    bool block = false;
};

// Compares the word with keyword set 1 without regard to letter case.
ArgumentNeed ArgumentNeedFor(const QString& word);

// Runs the argument dialog, titled with the word; none when the user cancels. An empty text
// when the dialog cannot be made (the word is then inserted without an argument).
std::optional<QString> AskArgument(ResIDT dialog, LCommander* superCommander,
                                   const QString& word = {});

// The text to insert and where the caret goes afterwards, counted from the insertion point.
struct CommandInsertion {
    QString text;
    int caretOffset = 0;
};

// word (already replaced by "--" for the comment word), its argument (empty: none) and block.
// followedByText says that text follows on the insertion point's line: a block's end word
// then gets a line break of its own so it does not run into that text.
CommandInsertion MakeCommandInsertion(const QString& word, const QString& argument, bool block,
                                      bool followedByText);

// The comment word of keyword set 1, compared without regard to case.
bool IsCommentWord(const QString& word);
