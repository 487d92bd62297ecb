#include "RenderOptions.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QRegularExpression>
#include <limits>

namespace {

std::optional<std::int64_t> integerOf(const QString& text) {
    bool ok = false;
    const qlonglong value = text.trimmed().toLongLong(&ok, 10);
    if (!ok)
        return std::nullopt;
    return value;
}

// The value of an option that must be an integer in [low, high].
bool readInteger(const QCommandLineParser& parser, const QString& name, std::int64_t low,
                 std::int64_t high, std::int32_t& target, QString& error) {
    if (!parser.isSet(name))
        return true;
    const QString text = parser.value(name);
    const auto value = integerOf(text);
    if (!value || *value < low || *value > high) {
        error = QStringLiteral("--%1 expects a whole number from %2 to %3, not \"%4\"")
                    .arg(name)
                    .arg(low)
                    .arg(high)
                    .arg(text);
        return false;
    }
    target = static_cast<std::int32_t>(*value);
    return true;
}

bool readSize(const QCommandLineParser& parser, RenderOptions& options, QString& error) {
    if (!parser.isSet(QStringLiteral("size")))
        return true;
    static const QRegularExpression pattern(QStringLiteral("^(\\d{1,5})x(\\d{1,5})$"));
    const QString text = parser.value(QStringLiteral("size"));
    const auto match = pattern.match(text);
    const int width = match.hasMatch() ? match.captured(1).toInt() : 0;
    const int height = match.hasMatch() ? match.captured(2).toInt() : 0;
    // Picture coordinates are signed 16-bit.
    if (width < 1 || height < 1 || width > 32767 || height > 32767) {
        error = QStringLiteral("--size expects WIDTHxHEIGHT, each from 1 to 32767, not \"%1\"")
                    .arg(text);
        return false;
    }
    options.width = width;
    options.height = height;
    return true;
}

} // namespace

QString RenderUsage() {
    return QCoreApplication::translate(
        "RenderOptions",
        "Usage: turtlescope-render [options] PROGRAM   (PROGRAM \"-\" reads standard input)\n"
        "  --tree            print the parse result as JSON and exit\n"
        "  -o, --output F    run the program and save the picture (.pict or .png)\n"
        "  --size WxH        paint view size in pixels (default 1024x768)\n"
        "  --state           after the run print the final state as JSON\n"
        "  --pen C           pen palette selection: 2000..2004 or 2010 (default 2000)\n"
        "  --colour C        colour palette selection: 3000..3008 (default 3000)\n"
        "  --symmetry C      symmetry palette selection: 4000..4004 (default 4000)\n"
        "  --heading N       the run heading in degrees (default 0)\n"
        "  --open FILE       start from this picture\n"
        "  --languages DIR   the Languages folder to use\n"
        "  --region N        the system region code\n"
        "  --translate-to T  print the program translated to T instead of running it: set1 or\n"
        "                    set2 (the other keyword set), or the region code of a language\n"
        "                    file in the Languages folder\n"
        "  -h, --help        show this text\n"
        "  --version         print the version and exit\n");
}

ParsedCommandLine ParseRenderCommandLine(const QStringList& arguments) {
    QCommandLineParser parser;
    parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
    const auto valueOption = [](QStringList names, const char* valueName) {
        return QCommandLineOption(names, QString(), QString::fromLatin1(valueName));
    };
    parser.addOptions({
        QCommandLineOption(QStringList{"h", "help"}),
        QCommandLineOption(QStringLiteral("version")),
        QCommandLineOption(QStringLiteral("tree")),
        QCommandLineOption(QStringLiteral("state")),
        valueOption({"o", "output"}, "F"),
        valueOption({"size"}, "WxH"),
        valueOption({"pen"}, "C"),
        valueOption({"colour"}, "C"),
        valueOption({"symmetry"}, "C"),
        valueOption({"heading"}, "N"),
        valueOption({"open"}, "FILE"),
        valueOption({"languages"}, "DIR"),
        valueOption({"region"}, "N"),
        valueOption({"translate-to"}, "T"),
    });

    ParsedCommandLine result;
    if (!parser.parse(arguments)) {
        result.error = parser.errorText();
        return result;
    }
    RenderOptions options;
    if (parser.isSet(QStringLiteral("help")) || parser.isSet(QStringLiteral("version"))) {
        options.help = parser.isSet(QStringLiteral("help"));
        options.version = !options.help;
        result.options = options;
        return result;
    }
    const QStringList positional = parser.positionalArguments();
    if (positional.size() != 1) {
        result.error = positional.isEmpty() ? QStringLiteral("no PROGRAM given")
                                            : QStringLiteral("more than one PROGRAM given: %1")
                                                  .arg(positional.join(QLatin1Char(' ')));
        return result;
    }
    options.program = positional.front();
    options.tree = parser.isSet(QStringLiteral("tree"));
    options.state = parser.isSet(QStringLiteral("state"));
    options.output = parser.value(QStringLiteral("output"));
    if (parser.isSet(QStringLiteral("output"))) {
        const QString lower = options.output.toLower();
        if (!lower.endsWith(QLatin1String(".pict")) && !lower.endsWith(QLatin1String(".png"))) {
            result.error = QStringLiteral("--output must name a .pict or .png file, not \"%1\"")
                               .arg(options.output);
            return result;
        }
    }
    options.openPicture = parser.value(QStringLiteral("open"));
    options.languagesFolder = parser.value(QStringLiteral("languages"));
    if (parser.isSet(QStringLiteral("languages")) && options.languagesFolder.isEmpty()) {
        result.error = QStringLiteral("--languages expects a folder");
        return result;
    }

    options.translateTo = parser.value(QStringLiteral("translate-to")).trimmed();
    if (parser.isSet(QStringLiteral("translate-to"))) {
        static const QRegularExpression target(QStringLiteral("^(set1|set2|\\d{1,5})$"));
        if (!target.match(options.translateTo).hasMatch() ||
            options.translateTo.toInt() > std::numeric_limits<std::int16_t>::max()) {
            result.error =
                QStringLiteral("--translate-to expects set1, set2 or a region code, not \"%1\"")
                    .arg(options.translateTo);
            return result;
        }
        if (options.tree || options.state || !options.output.isEmpty()) {
            result.error = QStringLiteral("--translate-to cannot be combined with --tree, "
                                          "--state or --output");
            return result;
        }
    }

    QString& error = result.error;
    if (!readSize(parser, options, error))
        return result;
    if (!readInteger(parser, QStringLiteral("pen"), 2000, 2010, options.penCommand, error) ||
        (options.penCommand > 2004 && options.penCommand != 2010)) {
        error = QStringLiteral("--pen expects 2000 to 2004, or 2010 for the fill tool, not \"%1\"")
                    .arg(parser.value(QStringLiteral("pen")));
        return result;
    }
    if (!readInteger(parser, QStringLiteral("colour"), 3000, 3008, options.colourCommand, error) ||
        !readInteger(parser, QStringLiteral("symmetry"), 4000, 4004, options.symmetryCommand,
                     error) ||
        !readInteger(parser, QStringLiteral("heading"), std::numeric_limits<std::int32_t>::min(),
                     std::numeric_limits<std::int32_t>::max(), options.heading, error))
        return result;
    if (parser.isSet(QStringLiteral("region"))) {
        std::int32_t region = 0;
        if (!readInteger(parser, QStringLiteral("region"), 0,
                         std::numeric_limits<std::int16_t>::max(), region, error))
            return result;
        options.region = static_cast<std::int16_t>(region);
    }
    result.options = options;
    return result;
}
