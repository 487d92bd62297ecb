#include "InterfaceLanguage.h"

#include "LanguageFile.h"
#include "RegionCode.h"
#include "ResourceChain.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QLocale>

namespace {

constexpr std::int16_t kRegionUnitedStates = 0;
constexpr std::int16_t kRegionFrance = 1;
constexpr std::int16_t kRegionBritain = 2;
constexpr std::int16_t kRegionGermany = 3;

std::optional<QString> shippedLanguage(QLocale::Language language) {
    switch (language) {
    case QLocale::German:
        return QStringLiteral("de");
    case QLocale::French:
        return QStringLiteral("fr");
    case QLocale::English:
        return QStringLiteral("en");
    default:
        return std::nullopt;
    }
}

std::unique_ptr<QTranslator> installCatalogue(const QString& name, const QString& folder) {
    auto translator = std::make_unique<QTranslator>();
    if (!translator->load(name, folder) || !QCoreApplication::installTranslator(translator.get()))
        return nullptr;
    return translator;
}

} // namespace

QString ChooseInterfaceLanguage(std::optional<std::int16_t> languageFileRegion,
                                const QStringList& systemLanguages) {
    if (languageFileRegion) {
        const std::int16_t region = MapRegionCode(*languageFileRegion);
        if (region == kRegionGermany)
            return QStringLiteral("de");
        if (region == kRegionFrance)
            return QStringLiteral("fr");
        if (region == kRegionUnitedStates || region == kRegionBritain)
            return QStringLiteral("en");
    }
    for (const QString& name : systemLanguages) {
        if (const auto language = shippedLanguage(QLocale(name).language()))
            return *language;
    }
    return QStringLiteral("en");
}

InterfaceTranslation::InterfaceTranslation(const QString& language) {
    if (language == QLatin1String("en"))
        return;
    mOwn = installCatalogue(QStringLiteral("turtlescope_") + language, QStringLiteral(":/i18n"));
    mQt = installCatalogue(QStringLiteral("qtbase_") + language,
                           QLibraryInfo::path(QLibraryInfo::TranslationsPath));
}

InterfaceTranslation::~InterfaceTranslation() {
    for (QTranslator* translator : {mQt.get(), mOwn.get()}) {
        if (translator != nullptr)
            QCoreApplication::removeTranslator(translator);
    }
}

std::unique_ptr<InterfaceTranslation> InstallInterfaceLanguage() {
    const QString language = ChooseInterfaceLanguage(
        LanguageFileRegion(TheResourceChain().languageFile()), QLocale::system().uiLanguages());
    return std::make_unique<InterfaceTranslation>(language);
}
