#pragma once

// The menu bar as data: menus with items that carry command numbers and shortcuts. The
// framework starts with its standard menus; the program adds its own items and menus before
// windows are made. Installed on a window, each action dispatches its command through the
// command chain, and each menu asks the chain for enabled state, mark and text before it opens.

#include "CommandNumbers.h"

#include <QCoreApplication>
#include <QKeySequence>
#include <QString>
#include <cstdint>
#include <deque>
#include <vector>

class QAction;
class QMenu;
class QMenuBar;

using MenuIDT = std::int16_t;

struct LMenuItem {
    CommandT command = cmd_Nothing; // cmd_Nothing with empty text: a separator
    QString text;
    QKeySequence shortcut;
    MenuIDT submenu = 0; // non-zero: the item opens this (hierarchical) menu
};

struct LMenu {
    MenuIDT menuID = 0;
    QString title;
    std::vector<LMenuItem> items;
    bool hierarchical = false; // shown only as another menu's submenu, not in the bar
};

// Menu IDs of the standard menus.
constexpr MenuIDT kFileMenuID = 129;
constexpr MenuIDT kEditMenuID = 130;

class LMenuBar {
    Q_DECLARE_TR_FUNCTIONS(LMenuBar)

public:
    // File (New, Open, Close, Save, Save As, Revert, Page Setup, Print, Print One, Quit) and
    // Edit (Undo, Cut, Copy, Paste, Clear, Select All).
    static LMenuBar StandardMenuBar();

    const std::deque<LMenu>& Menus() const { return mMenus; }
    // Appends a menu, or returns the existing one with that ID. Menus stay where they are: a
    // menu found or added before stays valid while others are added.
    LMenu& AddMenu(MenuIDT menuID, const QString& title);
    LMenu* FindMenu(MenuIDT menuID);
    // Appends an item to a menu (created untitled if absent), or inserts it before index.
    void AddItem(MenuIDT menuID, LMenuItem item, int beforeIndex = -1);
    void AddSeparator(MenuIDT menuID);
    // Removes every item with the command; true when one was found.
    bool RemoveCommand(CommandT command);
    bool HasCommand(CommandT command) const;

    // Replaces a menu's items (the menu is created untitled if absent).
    void SetItems(MenuIDT menuID, std::vector<LMenuItem> items);

    // Replaces the bar's menus with QMenus built from this definition.
    void InstallOn(QMenuBar* bar) const;

private:
    void fillMenu(QMenu* menu, const LMenu& definition, int depth) const;

    std::deque<LMenu> mMenus;
};

// The command number an action carries (cmd_Nothing for separators and foreign actions).
CommandT commandOf(const QAction* action);
// Asks the command chain about every action of the menu: enabled, check mark, changed text.
void UpdateMenuFromCommandChain(QMenu* menu);
// What a triggered action does: dispatches its command from the target if the chain enables it.
// Exceptions end here. True when some commander handled it.
bool DispatchMenuCommand(CommandT command);
