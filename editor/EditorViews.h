#pragma once

// Registers the program window class 'Prog', the editor 'Txtv', the command palette's contents
// 'CmdP' and the view resources 1004 to 1014.

void RegisterEditorViews();
