// Turtlescope: the start-up routine. Any exception ends the program quietly with status 0, as
// the normal end does.

#include "CApplication.h"
#include "InterfaceLanguage.h"
#include "LEventGuard.h"
#include "LGrowZone.h"
#include "LanguageFile.h"
#include "LanguageTables.h"
#include "RegionCode.h"
#include "ResourceChain.h"

#include <QCursor>
#include <QGuiApplication>
#include <QStringList>

namespace {

int runTurtlescope(int argc, char* argv[]) {
    LGuardedApplication platform(argc, argv);
    // The configuration folder is $XDG_CONFIG_HOME/turtlescope, without an organisation.
    QCoreApplication::setOrganizationName(QString());
    QCoreApplication::setApplicationName(QStringLiteral("turtlescope"));
    QGuiApplication::setApplicationDisplayName(QStringLiteral("Turtlescope"));
    QGuiApplication::setDesktopFileName(QStringLiteral("turtlescope"));
    LGrowZone growZone;
    InstallLanguageFile(TheResourceChain(), DefaultLanguagesFolder(), SystemRegionCode());
    InitLanguageTables();
    const auto translation = InstallInterfaceLanguage();

    CApplication application;
    // Files named on the command line are the platform's open-documents request.
    QStringList documents = QCoreApplication::arguments();
    documents.removeFirst();
    application.SetStartupDocuments(documents);
    return application.Run();
}

} // namespace

int main(int argc, char* argv[]) {
    try {
        runTurtlescope(argc, argv);
    } catch (...) {
    }
    return 0;
}
