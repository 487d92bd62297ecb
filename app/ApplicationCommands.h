#pragma once

// The application's own command numbers beyond the framework's and the palettes'.

#include "CommandNumbers.h"
#include "LMenuBar.h"

constexpr CommandT cmd_LanguageReference = 503;
constexpr CommandT cmd_NewProgram = 504;
constexpr CommandT cmd_RunProgram = 505;
constexpr CommandT cmd_OpenProgram = 506;
constexpr CommandT cmd_SaveProgram = 507;
constexpr CommandT cmd_ConnectMode = 508;
constexpr CommandT cmd_HomePage = 602;
constexpr CommandT cmd_MouseMode = 700;
constexpr CommandT cmd_ShowCommandPalette = 1001;
constexpr CommandT cmd_ShowToolPalette = 1101;
constexpr CommandT cmd_ShowColourPalette = 1102;
constexpr CommandT cmd_ExportPicture = 1201;
// Example n (0-based) of the Examples menu.
constexpr CommandT cmd_FirstExample = 1300;
constexpr int kMaxExamples = 64;

// The keyword menus 131 and 132 are the editor's.
constexpr MenuIDT kProgramMenuID = 133;
constexpr MenuIDT kPenMenuID = 134;
constexpr MenuIDT kColourMenuID = 135;
constexpr MenuIDT kSymmetryMenuID = 136;
constexpr MenuIDT kWindowMenuID = 137;
constexpr MenuIDT kHelpMenuID = 138;
constexpr MenuIDT kExamplesMenuID = 139;

// Adds the application's menus to the framework's File and Edit menus: Examples and Export in
// File, then Program (with the keyword menus), Pen, Colour, Symmetry, Window and Help.
void AddApplicationMenus(LMenuBar& bar, const std::vector<QString>& exampleTitles);
