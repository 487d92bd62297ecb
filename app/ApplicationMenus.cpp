#include "ApplicationCommands.h"
#include "KeywordMenus.h"
#include "PaletteButtons.h"
#include "ProgramWindows.h"

#include <QCoreApplication>

namespace {

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
        bar.AddItem(kFileMenuID, {cmd_Nothing, QStringLiteral("Examples"), {}, kExamplesMenuID},
                    indexAfter(cmd_Open));
    }
    bar.AddItem(kFileMenuID, {cmd_ExportPicture, QStringLiteral("Export Picture…"), {}},
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
    bar.AddMenu(kProgramMenuID, QStringLiteral("&Program"));
    const LMenuItem programItems[] = {
        {cmd_NewProgram, QStringLiteral("New Program"),
         QKeySequence(QStringLiteral("Ctrl+Shift+N"))},
        {cmd_OpenProgram, QStringLiteral("Open Program…"),
         QKeySequence(QStringLiteral("Ctrl+Shift+O"))},
        {cmd_SaveProgram, QStringLiteral("Save Program"), {}},
        {},
        {cmd_RunProgram, QStringLiteral("Run"), QKeySequence(QStringLiteral("Ctrl+R"))},
        {ShowVariablesCommand(),
         QCoreApplication::translate("ApplicationMenus", "Show Variables"),
         {}},
        {cmd_Nothing,
         QCoreApplication::translate("ApplicationMenus", "Translate To"),
         {},
         TranslateMenuID()},
        {},
        {cmd_Nothing, QStringLiteral("Commands"), {}, kCommandsMenuID},
        {cmd_Nothing, QStringLiteral("Colours and Notes"), {}, kColoursMenuID},
    };
    for (const LMenuItem& item : programItems)
        bar.AddItem(kProgramMenuID, item);

    bar.AddMenu(kPenMenuID, QStringLiteral("P&en"));
    const int widths[] = {2, 4, 8, 16, 32};
    for (CommandT c = cmd_PenWidth2; c <= cmd_PenWidth32; ++c)
        bar.AddItem(kPenMenuID, {c, QStringLiteral("Width %1").arg(widths[c - cmd_PenWidth2]), {}});
    bar.AddItem(kPenMenuID, {cmd_FillTool, QStringLiteral("Fill"), {}});
    bar.AddSeparator(kPenMenuID);
    bar.AddItem(kPenMenuID, {cmd_ConnectMode, QStringLiteral("Connect Points"), {}});
    bar.AddItem(kPenMenuID, {cmd_MouseMode, QStringLiteral("Click to Start and Stop"), {}});

    bar.AddMenu(kColourMenuID, QStringLiteral("&Colour"));
    const char* const colours[] = {"Black", "Red",     "Green",  "Blue",           "White",
                                   "Cyan",  "Magenta", "Yellow", "Colour Cycling", "Other…"};
    for (CommandT c = cmd_ColourBlack; c <= cmd_ColourPicker; ++c) {
        if (c == cmd_ColourCycling)
            bar.AddSeparator(kColourMenuID);
        bar.AddItem(kColourMenuID, {c, QString::fromUtf8(colours[c - cmd_ColourBlack]), {}});
    }

    bar.AddMenu(kSymmetryMenuID, QStringLiteral("&Symmetry"));
    const int copies[] = {1, 2, 4, 6, 8};
    for (CommandT c = cmd_Symmetry1; c <= cmd_Symmetry8; ++c) {
        const int n = copies[c - cmd_Symmetry1];
        bar.AddItem(kSymmetryMenuID,
                    {c, n == 1 ? QStringLiteral("None") : QStringLiteral("%1 Mirrors").arg(n), {}});
    }
    bar.AddSeparator(kSymmetryMenuID);
    bar.AddItem(kSymmetryMenuID, {cmd_ClearPicture, QStringLiteral("Clear Picture"), {}});

    bar.AddMenu(kWindowMenuID, QStringLiteral("&Window"));
    bar.AddItem(kWindowMenuID, {cmd_ShowToolPalette, QStringLiteral("Tools"), {}});
    bar.AddItem(kWindowMenuID, {cmd_ShowColourPalette, QStringLiteral("Colours"), {}});
    bar.AddItem(kWindowMenuID, {cmd_ShowCommandPalette, QStringLiteral("Command Palette"), {}});

    bar.AddMenu(kHelpMenuID, QStringLiteral("&Help"));
    bar.AddItem(kHelpMenuID, {cmd_LanguageReference, QStringLiteral("Language Reference"),
                              QKeySequence::HelpContents});
    bar.AddItem(kHelpMenuID, {cmd_HomePage, QStringLiteral("Turtlescope Home Page"), {}});
    bar.AddSeparator(kHelpMenuID);
    bar.AddItem(kHelpMenuID, {cmd_About, QStringLiteral("About Turtlescope"), {}});
}
