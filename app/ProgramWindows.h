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
// Program ▸ Show Variables, the Translate To menu and its items, and the starting pace.
CommandT ShowVariablesCommand();
MenuIDT TranslateMenuID();
std::vector<QString> TranslateMenuWords();
CommandT StartingPaceCommand();    // ioParam: std::int32_t* to fill in
CommandT SetStartingPaceCommand(); // ioParam: const std::int32_t*
// A named level, or the default for any other.
std::int32_t ValidPace(std::int32_t level);
// Every open program window shows the level.
void ShowStartingPaceEverywhere(std::int32_t level);
