#pragma once

// The keyword menus, built from the live keyword tables so that a language file's words appear:
// menu 131 holds the statement words of keyword set 1, menu 132 the colour names and the
// comment word.

#include "CommandNumbers.h"

#include <QString>
#include <vector>

constexpr MenuIDT kCommandsMenuID = 131;
constexpr MenuIDT kColoursMenuID = 132;

std::vector<QString> KeywordMenuItems(MenuIDT menuID);

// The statement words of keyword set 1 (no argument words), in slot order, each once.
std::vector<QString> StatementWords();
