#pragma once

// What the application asks of the program windows: a new one, one holding a program file,
// the questions at quit, and the words of the keyword menus.

#include "FileLocation.h"
#include "LCommander.h"
#include "LMenuBar.h"

#include <QString>
#include <vector>

class LWindow;

// Command 504: a new, empty program window; null when none could be made.
LCommander* MakeProgramWindow(LCommander* superCommander);
// A new program window holding the file's text; null (and no window) when it cannot be read.
LWindow* OpenProgramWindow(LCommander* superCommander, const FileLocation& location);
// Save / Don't Save / Cancel for each program window with unsaved text; false on Cancel.
bool ConfirmCloseProgramWindows();
// The items of keyword menu 131 or 132 from the live tables.
std::vector<QString> KeywordMenuWords(MenuIDT menuID);
// The menu command of a keyword menu's item (1-based).
CommandT KeywordMenuCommand(MenuIDT menuID, int item);
