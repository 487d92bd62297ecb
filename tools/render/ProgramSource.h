#pragma once

// Reads the program text: a file, or standard input for "-".

#include <QString>
#include <optional>
#include <string>

struct ProgramSource {
    std::optional<std::string> text; // none when it could not be read
    QString error;
};

ProgramSource ReadProgram(const QString& path);
