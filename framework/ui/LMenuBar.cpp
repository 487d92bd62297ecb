#include "LMenuBar.h"

#include "LCommander.h"
#include "LEventGuard.h"

#include <QAction>
#include <QMenu>
#include <QMenuBar>
#include <algorithm>

namespace {

constexpr const char* kCommandProperty = "command";

QString textOf(const LStr255& name) {
    return QString::fromUtf8(name.view().data(), static_cast<qsizetype>(name.length()));
}

} // namespace

LMenuBar LMenuBar::StandardMenuBar() {
    LMenuBar bar;
    bar.AddMenu(kFileMenuID, tr("&File"));
    const LMenuItem fileItems[] = {
        {cmd_New, tr("New"), QKeySequence::New},
        {cmd_Open, tr("Open…"), QKeySequence::Open},
        {},
        {cmd_Close, tr("Close"), QKeySequence::Close},
        {cmd_Save, tr("Save"), QKeySequence::Save},
        {cmd_SaveAs, tr("Save As…"), QKeySequence::SaveAs},
        {cmd_Revert, tr("Revert"), {}},
        {},
        {cmd_PageSetup, tr("Page Setup…"), {}},
        {cmd_Print, tr("Print…"), QKeySequence::Print},
        {cmd_PrintOne, tr("Print One"), {}},
        {},
        {cmd_Quit, tr("Quit"), QKeySequence::Quit},
    };
    for (const LMenuItem& item : fileItems)
        bar.AddItem(kFileMenuID, item);
    bar.AddMenu(kEditMenuID, tr("&Edit"));
    const LMenuItem editItems[] = {
        {cmd_Undo, tr("Undo"), QKeySequence::Undo},
        {},
        {cmd_Cut, tr("Cut"), QKeySequence::Cut},
        {cmd_Copy, tr("Copy"), QKeySequence::Copy},
        {cmd_Paste, tr("Paste"), QKeySequence::Paste},
        {cmd_Clear, tr("Clear"), {}},
        {cmd_SelectAll, tr("Select All"), QKeySequence::SelectAll},
    };
    for (const LMenuItem& item : editItems)
        bar.AddItem(kEditMenuID, item);
    return bar;
}

LMenu& LMenuBar::AddMenu(MenuIDT menuID, const QString& title) {
    if (LMenu* existing = FindMenu(menuID))
        return *existing;
    mMenus.push_back(LMenu{menuID, title, {}});
    return mMenus.back();
}

LMenu* LMenuBar::FindMenu(MenuIDT menuID) {
    const auto it = std::find_if(mMenus.begin(), mMenus.end(),
                                 [menuID](const LMenu& menu) { return menu.menuID == menuID; });
    return it == mMenus.end() ? nullptr : &*it;
}

void LMenuBar::AddItem(MenuIDT menuID, LMenuItem item, int beforeIndex) {
    LMenu& menu = AddMenu(menuID, QString());
    auto& items = menu.items;
    if (beforeIndex < 0 || static_cast<std::size_t>(beforeIndex) >= items.size())
        items.push_back(std::move(item));
    else
        items.insert(items.begin() + beforeIndex, std::move(item));
}

void LMenuBar::AddSeparator(MenuIDT menuID) {
    AddItem(menuID, LMenuItem{});
}

bool LMenuBar::RemoveCommand(CommandT command) {
    bool found = false;
    for (LMenu& menu : mMenus) {
        const auto end =
            std::remove_if(menu.items.begin(), menu.items.end(), [command](const LMenuItem& item) {
                return item.command == command && command != 0;
            });
        found = found || end != menu.items.end();
        menu.items.erase(end, menu.items.end());
    }
    return found;
}

bool LMenuBar::HasCommand(CommandT command) const {
    return std::any_of(mMenus.begin(), mMenus.end(), [command](const LMenu& menu) {
        return std::any_of(menu.items.begin(), menu.items.end(),
                           [command](const LMenuItem& item) { return item.command == command; });
    });
}

void LMenuBar::SetItems(MenuIDT menuID, std::vector<LMenuItem> items) {
    AddMenu(menuID, QString()).items = std::move(items);
}

void LMenuBar::InstallOn(QMenuBar* bar) const {
    bar->clear();
    for (const LMenu& definition : mMenus) {
        if (!definition.hierarchical)
            fillMenu(bar->addMenu(definition.title), definition, 0);
    }
}

void LMenuBar::fillMenu(QMenu* menu, const LMenu& definition, int depth) const {
    constexpr int kMaxDepth = 4; // a menu that names itself as its submenu stops here
    menu->setProperty("menuID", definition.menuID);
    for (const LMenuItem& item : definition.items) {
        if (item.submenu != 0) {
            const auto it = std::find_if(mMenus.begin(), mMenus.end(),
                                         [&](const LMenu& m) { return m.menuID == item.submenu; });
            if (it != mMenus.end() && depth < kMaxDepth)
                fillMenu(menu->addMenu(item.text), *it, depth + 1);
            continue;
        }
        if (item.command == cmd_Nothing && item.text.isEmpty()) {
            menu->addSeparator();
            continue;
        }
        QAction* action = menu->addAction(item.text);
        action->setProperty(kCommandProperty, item.command);
        action->setShortcut(item.shortcut);
        const CommandT command = item.command;
        QObject::connect(action, &QAction::triggered, action,
                         [command] { DispatchMenuCommand(command); });
    }
    QObject::connect(menu, &QMenu::aboutToShow, menu, [menu] { UpdateMenuFromCommandChain(menu); });
}

CommandT commandOf(const QAction* action) {
    if (action == nullptr)
        return cmd_Nothing;
    bool ok = false;
    const int command = action->property(kCommandProperty).toInt(&ok);
    return ok ? command : cmd_Nothing;
}

void UpdateMenuFromCommandChain(QMenu* menu) {
    RunGuarded([menu] {
        for (QAction* action : menu->actions()) {
            const CommandT command = commandOf(action);
            if (command == cmd_Nothing)
                continue;
            const CommandStatus status = LCommander::DispatchCommandStatus(command);
            action->setEnabled(status.enabled);
            action->setCheckable(status.mark == kCheckMark);
            action->setChecked(status.mark == kCheckMark);
            if (status.nameChanged)
                action->setText(textOf(status.name));
        }
    });
}

bool DispatchMenuCommand(CommandT command) {
    bool handled = false;
    RunGuarded([&] {
        // A shortcut can fire while the menu's enabled state is stale: ask again.
        if (LCommander::DispatchCommandStatus(command).enabled)
            handled = LCommander::DispatchCommand(command);
    });
    return handled;
}
