// The application's menus as a user reads them.

#include "ApplicationCommands.h"
#include "ApplicationTestSupport.h"
#include "KeywordMenus.h"
#include "LanguageTables.h"
#include "ResourceChain.h"
#include "WidgetTestApplication.h"

#include <QStringList>
#include <gtest/gtest.h>

TEST(ApplicationMenusTest, KeywordAndSymmetryMenusReadAsTheyShould) {
    widgetTestApplication();
    InitLanguageTablesFrom(ResourceChain(LoadApplicationResources()));
    LMenuBar bar = LMenuBar::StandardMenuBar();
    AddApplicationMenus(bar, {});
    for (const MenuIDT id : {kCommandsMenuID, kColoursMenuID}) {
        const std::vector<QString> words = KeywordMenuItems(id);
        const LMenu* menu = bar.FindMenu(id);
        ASSERT_NE(menu, nullptr);
        ASSERT_EQ(menu->items.size(), words.size());
        for (std::size_t i = 0; i < words.size(); ++i) {
            EXPECT_EQ(menu->items[i].text, words[i]);
            EXPECT_EQ(menu->items[i].command, SyntheticCommand(id, static_cast<int>(i) + 1));
        }
    }
    EXPECT_EQ(bar.FindMenu(kCommandsMenuID)->items.front().text, QStringLiteral("shape"));
    QStringList symmetry;
    for (const LMenuItem& item : bar.FindMenu(kSymmetryMenuID)->items)
        symmetry << item.text;
    EXPECT_EQ(symmetry.join(u'|').toStdString(),
              "None|2 Mirrors|4 Mirrors|6 Mirrors|8 Mirrors||Clear Picture");
}
