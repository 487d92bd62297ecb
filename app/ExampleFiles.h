#pragma once

// The example programs that ship with Turtlescope, in the "Examples" folder beside the program.

#include <QString>
#include <vector>

struct ExampleFile {
    QString title; // from the file name: "snowflake-8.turtle" is "Snowflake 8"
    QString path;
};

// The examples folder's programs, sorted by title; none when the folder is missing.
std::vector<ExampleFile> ExampleFiles(const QString& folder = QString());
// The folder beside the executable.
QString DefaultExamplesFolder();
