#pragma once

// The settings that outlive a run: where the three palettes stand and whether they are shown,
// the two mouse-painting modes, and the selected pen, colour and symmetry buttons. They live in
// one resource file in the user's configuration folder, read once before the first event and
// written once at quit.

#include <QString>

class CApplication;

// The settings file's path (the folder is made when missing); empty when there is no folder.
QString SettingsFilePath();

// Reads the settings into the application. Without a file it makes an empty one and applies
// nothing; anything unreadable is skipped quietly.
void LoadSettings(CApplication& application, const QString& path);
// Writes the eleven settings resources, keeping any others the file holds. Nothing is written
// when the file was deleted meanwhile; a file that cannot be read is replaced.
void SaveSettings(const CApplication& application, const QString& path);
