#pragma once

// Command numbers shared by the framework and the program's classes.

#include <cstdint>

using CommandT = std::int32_t;
using MessageT = std::int32_t;

constexpr CommandT cmd_Nothing = 0;
constexpr CommandT cmd_About = 1;
constexpr CommandT cmd_New = 2;
constexpr CommandT cmd_Open = 3;
constexpr CommandT cmd_Close = 4;
constexpr CommandT cmd_Save = 5;
constexpr CommandT cmd_SaveAs = 6;
constexpr CommandT cmd_Revert = 7;
constexpr CommandT cmd_PageSetup = 8;
constexpr CommandT cmd_Print = 9;
constexpr CommandT cmd_Quit = 10;
constexpr CommandT cmd_Undo = 11;
constexpr CommandT cmd_Cut = 12;
constexpr CommandT cmd_Copy = 13;
constexpr CommandT cmd_Paste = 14;
constexpr CommandT cmd_Clear = 15;
constexpr CommandT cmd_SelectAll = 16;
constexpr CommandT cmd_PrintOne = 17;

constexpr std::uint16_t kCheckMark = 18;

using MenuIDT = std::int16_t;

// Items of menus without command numbers travel the command chain as a negative number made of
// the menu and the item (counted from 1).
constexpr CommandT SyntheticCommand(MenuIDT menu, int item) {
    return -(static_cast<CommandT>(menu) * 65536 + item);
}

constexpr bool IsSyntheticCommand(CommandT command, MenuIDT& menu, int& item) {
    if (command >= 0 || command == INT32_MIN)
        return false;
    const CommandT positive = -command;
    menu = static_cast<MenuIDT>(positive / 65536);
    item = positive % 65536;
    return menu > 0 && item > 0;
}
