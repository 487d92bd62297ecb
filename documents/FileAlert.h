#pragma once

// Telling the user that a file could not be opened or saved, with the file's name and why.

#include <QString>
#include <cstdint>
#include <functional>

enum class FileProblem { Open, Save, Export };

// Why, in words, for an error code of the file and picture routines.
QString fileErrorReason(std::int16_t code);
// What failed, on which file.
QString fileProblemWhat(FileProblem problem, const QString& path);

// Tells the user what failed and why (a warning box unless a handler was set).
void AlertFileProblem(FileProblem problem, const QString& path, std::int16_t code);
void AlertFileProblem(FileProblem problem, const QString& path, const QString& why);
// Replaces the warning box (the application's own alert, tests); null restores it.
using FileAlertHandler = std::function<void(const QString& what, const QString& why)>;
void SetFileAlertHandler(FileAlertHandler handler);
