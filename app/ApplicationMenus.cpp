#include "ApplicationCommands.h"
#include "KeywordMenus.h"
#include "PaletteButtons.h"
#include "ProgramWindows.h"

#include <QCoreApplication>

namespace {

struct ApplicationMenus {
    Q_DECLARE_TR_FUNCTIONS(ApplicationMenus)
};

void addKeywordMenu(LMenuBar& bar, MenuIDT menuID) {
    std::vector<LMenuItem> items;
    const std::vector<QString> words = KeywordMenuWords(menuID);
    for (std::size_t i = 0; i < words.size(); ++i)
        items.push_back({KeywordMenuCommand(menuID, static_cast<int>(i) + 1), words[i], {}});
    bar.SetItems(menuID, std::move(items));
    bar.FindMenu(menuID)->hierarchical = true;
}

void addFileItems(LMenuBar& bar, const std::vector<QString>& exampleTitles) {
    const LMenu* file = bar.FindMenu(kFileMenuID);
    if (file == nullptr)
        return;
    // After Open…: the examples; after Save As…: Export Picture…
    const auto indexAfter = [file](CommandT command) {
        for (std::size_t i = 0; i < file->items.size(); ++i) {
            if (file->items[i].command == command)
                return static_cast<int>(i) + 1;
        }
        return -1;
    };
    if (!exampleTitles.empty()) {
        std::vector<LMenuItem> examples;
        for (std::size_t i = 0; i < exampleTitles.size() && i < kMaxExamples; ++i)
            examples.push_back({cmd_FirstExample + static_cast<CommandT>(i), exampleTitles[i], {}});
        bar.SetItems(kExamplesMenuID, std::move(examples));
        bar.FindMenu(kExamplesMenuID)->hierarchical = true;
        bar.AddItem(kFileMenuID,
                    {cmd_Nothing, ApplicationMenus::tr("Examples"), {}, kExamplesMenuID},
                    indexAfter(cmd_Open));
    }
    bar.AddItem(kFileMenuID, {cmd_ExportPicture, ApplicationMenus::tr("Export Picture…"), {}},
                indexAfter(cmd_SaveAs));
}

} // namespace

void AddApplicationMenus(LMenuBar& bar, const std::vector<QString>& exampleTitles) {
    addFileItems(bar, exampleTitles);

    addKeywordMenu(bar, kCommandsMenuID);
    addKeywordMenu(bar, kColoursMenuID);
    std::vector<LMenuItem> translateItems;
    const std::vector<QString> targets = TranslateMenuWords();
    for (std::size_t i = 0; i < targets.size(); ++i) {
        if (i == 2)
            translateItems.push_back({}); // the keyword sets, then the languages
        translateItems.push_back(
            {SyntheticCommand(TranslateMenuID(), static_cast<int>(i) + 1), targets[i], {}});
    }
    bar.SetItems(TranslateMenuID(), std::move(translateItems));
    bar.FindMenu(TranslateMenuID())->hierarchical = true;
    bar.AddMenu(kProgramMenuID, ApplicationMenus::tr("&Program"));
    const LMenuItem programItems[] = {
        {cmd_NewProgram, ApplicationMenus::tr("New Program"),
         QKeySequence(QStringLiteral("Ctrl+Shift+N"))},
        {cmd_OpenProgram, ApplicationMenus::tr("Open Program…"),
         QKeySequence(QStringLiteral("Ctrl+Shift+O"))},
        {cmd_SaveProgram, ApplicationMenus::tr("Save Program"), {}},
        {},
        {cmd_RunProgram, ApplicationMenus::tr("Run"), QKeySequence(QStringLiteral("Ctrl+R"))},
        {ShowVariablesCommand(), ApplicationMenus::tr("Show Variables"), {}},
        {cmd_Nothing, ApplicationMenus::tr("Translate To"), {}, TranslateMenuID()},
        {},
        {cmd_Nothing, ApplicationMenus::tr("Commands"), {}, kCommandsMenuID},
        {cmd_Nothing, ApplicationMenus::tr("Colours and Notes"), {}, kColoursMenuID},
    };
    for (const LMenuItem& item : programItems)
        bar.AddItem(kProgramMenuID, item);

    bar.AddMenu(kPenMenuID, ApplicationMenus::tr("P&en"));
    const int widths[] = {2, 4, 8, 16, 32};
    for (CommandT c = cmd_PenWidth2; c <= cmd_PenWidth32; ++c)
        bar.AddItem(kPenMenuID,
                    {c, ApplicationMenus::tr("Width %1").arg(widths[c - cmd_PenWidth2]), {}});
    bar.AddItem(kPenMenuID, {cmd_FillTool, ApplicationMenus::tr("Fill"), {}});
    bar.AddSeparator(kPenMenuID);
    bar.AddItem(kPenMenuID, {cmd_ConnectMode, ApplicationMenus::tr("Connect Points"), {}});
    bar.AddItem(kPenMenuID, {cmd_MouseMode, ApplicationMenus::tr("Click to Start and Stop"), {}});

    bar.AddMenu(kColourMenuID, ApplicationMenus::tr("&Colour"));
    const char* const colours[] = {
        QT_TRANSLATE_NOOP("ApplicationMenus", "Black"),
        QT_TRANSLATE_NOOP("ApplicationMenus", "Red"),
        QT_TRANSLATE_NOOP("ApplicationMenus", "Green"),
        QT_TRANSLATE_NOOP("ApplicationMenus", "Blue"),
        QT_TRANSLATE_NOOP("ApplicationMenus", "White"),
        QT_TRANSLATE_NOOP("ApplicationMenus", "Cyan"),
        QT_TRANSLATE_NOOP("ApplicationMenus", "Magenta"),
        QT_TRANSLATE_NOOP("ApplicationMenus", "Yellow"),
        QT_TRANSLATE_NOOP("ApplicationMenus", "Colour Cycling"),
        QT_TRANSLATE_NOOP("ApplicationMenus", "Other…"),
    };
    for (CommandT c = cmd_ColourBlack; c <= cmd_ColourPicker; ++c) {
        if (c == cmd_ColourCycling)
            bar.AddSeparator(kColourMenuID);
        bar.AddItem(kColourMenuID, {c, ApplicationMenus::tr(colours[c - cmd_ColourBlack]), {}});
    }

    bar.AddMenu(kSymmetryMenuID, ApplicationMenus::tr("&Symmetry"));
    const int copies[] = {1, 2, 4, 6, 8};
    for (CommandT c = cmd_Symmetry1; c <= cmd_Symmetry8; ++c) {
        const int n = copies[c - cmd_Symmetry1];
        bar.AddItem(kSymmetryMenuID, {c,
                                      n == 1 ? ApplicationMenus::tr("None")
                                             : ApplicationMenus::tr("%1 Mirrors").arg(n),
                                      {}});
    }
    bar.AddSeparator(kSymmetryMenuID);
    bar.AddItem(kSymmetryMenuID, {cmd_ClearPicture, ApplicationMenus::tr("Clear Picture"), {}});

    bar.AddMenu(kWindowMenuID, ApplicationMenus::tr("&Window"));
    bar.AddItem(kWindowMenuID, {cmd_ShowToolPalette, ApplicationMenus::tr("Tools"), {}});
    bar.AddItem(kWindowMenuID, {cmd_ShowColourPalette, ApplicationMenus::tr("Colours"), {}});
    bar.AddItem(kWindowMenuID,
                {cmd_ShowCommandPalette, ApplicationMenus::tr("Command Palette"), {}});

    bar.AddMenu(kHelpMenuID, ApplicationMenus::tr("&Help"));
    bar.AddItem(kHelpMenuID, {cmd_LanguageReference, ApplicationMenus::tr("Language Reference"),
                              QKeySequence::HelpContents});
    bar.AddItem(kHelpMenuID, {cmd_HomePage, ApplicationMenus::tr("Turtlescope Home Page"), {}});
    bar.AddSeparator(kHelpMenuID);
    bar.AddItem(kHelpMenuID, {cmd_About, ApplicationMenus::tr("About Turtlescope"), {}});
}
