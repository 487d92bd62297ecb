#pragma once

// The interface language: the language of the keywords' language file where Turtlescope ships a
// translation for it, else the system's, else English. Qt's own dialog texts follow wherever
// Qt's catalogues for that language are installed.

#include <QString>
#include <QStringList>
#include <QTranslator>
#include <cstdint>
#include <memory>
#include <optional>

// "de", "fr" or "en". systemLanguages in order of preference, as QLocale::uiLanguages gives them.
QString ChooseInterfaceLanguage(std::optional<std::int16_t> languageFileRegion,
                                const QStringList& systemLanguages);

// The translations of one interface language, installed in the application for this object's
// lifetime. English installs nothing: the sources are English.
class InterfaceTranslation {
public:
    explicit InterfaceTranslation(const QString& language);
    ~InterfaceTranslation();
    InterfaceTranslation(const InterfaceTranslation&) = delete;
    InterfaceTranslation& operator=(const InterfaceTranslation&) = delete;

    // Whether Turtlescope's own catalogue for the language is in use.
    bool hasOwnCatalogue() const { return mOwn != nullptr; }

private:
    std::unique_ptr<QTranslator> mOwn;
    std::unique_ptr<QTranslator> mQt;
};

// Chooses the language for the running chain's language file and the system locale, and
// installs it. Call after the language file is installed and before any window is built.
std::unique_ptr<InterfaceTranslation> InstallInterfaceLanguage();
