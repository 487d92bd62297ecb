#pragma once

// Telling the user that a file could not be opened or saved, with the file's name and why.

#include <QString>
#include <cstdint>
#include <functional>

enum class FileProblem { Open, Save, Export };

// Why, in words, for an error code of the file and picture routines.
QString fileErrorReason(std::int16_t code);
// The whole message: what failed, on which file, and why.
QString fileProblemText(FileProblem problem, const QString& path, std::int16_t code);

// Shows the message (a warning box unless a handler was set).
void AlertFileProblem(FileProblem problem, const QString& path, std::int16_t code);
// Replaces the warning box (tests, a headless host); null restores it.
void SetFileAlertHandler(std::function<void(const QString& text)> handler);
