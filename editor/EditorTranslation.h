#pragma once

// Program ▸ Translate To: the menu's items and what choosing one does to the editor's text.

#include <QString>
#include <vector>

class CTextEditView;

// Item 1 the first keyword set, item 2 the second, then the application's own language and every
// language file of the Languages folder.
std::vector<QString> TranslateMenuItems();

// Translates the editor's text to menu item `item` as one undoable edit. A program that does not
// parse, or a translation the target refuses, leaves the text alone and says why in an alert.
// True when the text was replaced.
bool TranslateEditorText(CTextEditView& editor, int item);
