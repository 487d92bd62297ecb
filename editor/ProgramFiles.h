#pragma once

// Program text files: UTF-8, written with LF line ends; CR, LF and CRLF all read as one line
// break. New files get the .turtle suffix.

#include <QString>
#include <optional>

struct ProgramFileResult {
    bool ok = false;
    QString reason; // why it failed, for the alert
};

// The file's text, or none with the reason. Files longer than maxBytes are refused.
std::optional<QString> ReadProgramText(const QString& path, qint64 maxBytes, QString& reason);
ProgramFileResult WriteProgramText(const QString& path, const QString& text);
// Line breaks of any kind made LF.
QString NormaliseLineBreaks(QString text);
// A chosen name without a suffix gets ".turtle".
QString WithProgramSuffix(const QString& path);
