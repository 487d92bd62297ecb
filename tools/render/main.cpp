// turtlescope-render: parses a program and prints its tree, or runs it headless and writes the
// picture and the final state.
// Exit status: 0 success, 1 parse error, 2 bad usage or an unreadable or unwritable file, 3 a
// translation refused.

#include "FontTable.h"
#include "InterfaceLanguage.h"
#include "LEventGuard.h"
#include "LanguageFile.h"
#include "LanguageTables.h"
#include "ParseContext.h"
#include "Parser.h"
#include "ProgramSource.h"
#include "RegionCode.h"
#include "RenderOptions.h"
#include "RenderRun.h"
#include "RenderTranslate.h"
#include "ResourceChain.h"
#include "TreeJson.h"

#include <QLocale>
#include <cstdio>

namespace {

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

} // namespace

int main(int argc, char* argv[]) {
    // Headless by design: never ask for a display, whatever the environment says.
    qputenv("QT_QPA_PLATFORM", "offscreen");
    qInstallMessageHandler(quietQtMessages);
    LGuardedApplication application(argc, argv);
    // The usage text and the reasons a picture will not open speak the system's language; the
    // parse messages come from the language file, and the JSON never changes.
    const InterfaceTranslation translation(
        ChooseInterfaceLanguage(std::nullopt, QLocale::system().uiLanguages()));
    const ParsedCommandLine commandLine = ParseRenderCommandLine(application.arguments());
    if (!commandLine.options) {
        PrintRenderError(commandLine.error);
        std::fputs(QCoreApplication::translate("RenderOptions",
                                               "Try 'turtlescope-render --help' for the options.\n")
                       .toLocal8Bit()
                       .constData(),
                   stderr);
        return kExitUsage;
    }
    const RenderOptions& options = *commandLine.options;
    if (options.help) {
        std::fputs(RenderUsage().toLocal8Bit().constData(), stdout);
        return kExitSuccess;
    }
    if (options.version) {
        std::fputs("turtlescope-render " TURTLESCOPE_VERSION "\n", stdout);
        return kExitSuccess;
    }

    const ProgramSource source = ReadProgram(options.program);
    if (!source.text) {
        PrintRenderError(source.error);
        return kExitUsage;
    }
    loadVocabulary(options);

    if (!options.translateTo.isEmpty())
        return TranslateForRender(options, *source.text);
    if (!options.tree)
        return RenderProgram(options, *source.text);

    ParseHooks hooks;
    hooks.fontNumber = [](std::string_view name) { return GetFNum(name); };
    ParseContext context(std::move(hooks));
    ParseProgram(context, *source.text);
    const std::string json = ParseResultJson(context);
    std::fwrite(json.data(), 1, json.size(), stdout);
    std::fputc('\n', stdout);
    if (!context.parseSucceeded) {
        PrintParseError(options, *source.text, context);
        return kExitParseError;
    }
    return std::fflush(stdout) == 0 ? kExitSuccess : kExitUsage;
}
