#pragma once

// The command line of turtlescope-render.

#include <QString>
#include <QStringList>
#include <cstdint>
#include <optional>

struct RenderOptions {
    QString program; // "-" reads standard input
    bool tree = false;
    bool state = false;
    QString output; // .pict or .png; empty for none
    int width = 1024;
    int height = 768;
    std::int32_t penCommand = 2000;
    std::int32_t colourCommand = 3000;
    std::int32_t symmetryCommand = 4000;
    std::int32_t heading = 0;
    QString openPicture;
    QString languagesFolder;            // empty: the Languages folder beside the executable
    std::optional<std::int16_t> region; // none: the system's region
    QString translateTo;                // set1, set2 or a region code; empty: no translation
    bool help = false;
    bool version = false;
};

struct ParsedCommandLine {
    std::optional<RenderOptions> options; // none when the command line is wrong
    QString error;
};

// arguments includes the program name first, as QCoreApplication::arguments() gives them.
ParsedCommandLine ParseRenderCommandLine(const QStringList& arguments);

QString RenderUsage();
