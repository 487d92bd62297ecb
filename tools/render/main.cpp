// turtlescope-render: parses a program and prints its tree, or (later) runs it headless.
// Exit status: 0 success, 1 parse error, 2 bad usage or an unreadable or unwritable file.

#include "FontTable.h"
#include "LanguageFile.h"
#include "LanguageTables.h"
#include "Parser.h"
#include "ProgramSource.h"
#include "RegionCode.h"
#include "RenderOptions.h"
#include "ResourceChain.h"
#include "RunContext.h"
#include "TextPosition.h"
#include "TreeJson.h"

#include <QGuiApplication>
#include <cstdio>

namespace {

constexpr int kExitSuccess = 0;
constexpr int kExitParseError = 1;
constexpr int kExitUsage = 2;

void printError(const QString& text) {
    std::fprintf(stderr, "turtlescope-render: %s\n", text.toLocal8Bit().constData());
}

// Qt's own chatter (fonts, runtime folders) would garble the diagnostics that callers parse;
// only fatal messages get through.
void quietQtMessages(QtMsgType type, const QMessageLogContext&, const QString& message) {
    if (type == QtFatalMsg)
        std::fprintf(stderr, "turtlescope-render: %s\n", message.toLocal8Bit().constData());
}

void loadVocabulary(const RenderOptions& options) {
    const QString folder =
        options.languagesFolder.isEmpty() ? DefaultLanguagesFolder() : options.languagesFolder;
    const std::int16_t region = options.region ? *options.region : SystemRegionCode();
    InstallLanguageFile(TheResourceChain(), folder, region);
    InitLanguageTables();
}

void printParseError(const RenderOptions& options, const std::string& text,
                     const RunContext& context) {
    const TextPosition position = PositionOfOffset(text, context.errorStart);
    std::fprintf(stderr, "%s:%lld:%lld: error: %s\n", options.program.toLocal8Bit().constData(),
                 static_cast<long long>(position.line), static_cast<long long>(position.column),
                 context.errorMessage.str().c_str());
}

// Running a program needs the interpreter and the paint view; this is its placeholder.
int render(const RenderOptions& /*options*/) {
    printError(QStringLiteral("rendering is not available yet: only --tree works in this build"));
    return kExitUsage;
}

} // namespace

int main(int argc, char* argv[]) {
    // Headless by design: never ask for a display, whatever the environment says.
    qputenv("QT_QPA_PLATFORM", "offscreen");
    qInstallMessageHandler(quietQtMessages);
    QGuiApplication application(argc, argv);
    const ParsedCommandLine commandLine = ParseRenderCommandLine(application.arguments());
    if (!commandLine.options) {
        printError(commandLine.error);
        std::fputs("Try 'turtlescope-render --help' for the options.\n", stderr);
        return kExitUsage;
    }
    const RenderOptions& options = *commandLine.options;
    if (options.help) {
        std::fputs(RenderUsage().toLocal8Bit().constData(), stdout);
        return kExitSuccess;
    }

    const ProgramSource source = ReadProgram(options.program);
    if (!source.text) {
        printError(source.error);
        return kExitUsage;
    }
    loadVocabulary(options);

    ParseHooks hooks;
    hooks.fontNumber = [](std::string_view name) { return GetFNum(name); };
    RunContext context(std::move(hooks));
    ParseProgram(context, *source.text);

    if (options.tree) {
        const std::string json = ParseResultJson(context);
        std::fwrite(json.data(), 1, json.size(), stdout);
        std::fputc('\n', stdout);
    }
    if (!context.parseSucceeded) {
        printParseError(options, *source.text, context);
        return kExitParseError;
    }
    if (options.tree)
        return std::fflush(stdout) == 0 ? kExitSuccess : kExitUsage;
    return render(options);
}
