#pragma once

// The resource chain: a look-up by (type, ID) goes to the language file first, then to the
// application's own resources.

#include "ResourceFile.h"

#include <QString>
#include <memory>

// Where the application's own resource file lives among the compiled-in Qt resources.
inline constexpr auto kApplicationResourcePath = ":/turtlescope/Turtlescope.json";

class ResourceChain {
public:
    ResourceChain() = default;
    explicit ResourceChain(std::unique_ptr<ResourceFile> applicationResources)
        : mApplication(std::move(applicationResources)) {}

    void setApplicationResources(std::unique_ptr<ResourceFile> file) {
        mApplication = std::move(file);
    }
    void setLanguageFile(std::unique_ptr<ResourceFile> file) { mLanguage = std::move(file); }

    const ResourceFile* applicationResources() const { return mApplication.get(); }
    const ResourceFile* languageFile() const { return mLanguage.get(); }
    bool hasLanguageFile() const { return mLanguage != nullptr; }

    // The first file along the chain that holds (type, id), or null.
    const ResourceBytes* get(ResType type, std::int16_t id) const;

    // Item index of list (type, id), taken item by item: when the language file's list lacks
    // the item, the application's own list supplies it. None when no file holds it.
    std::optional<LStr255> findIndString(ResType type, std::int16_t id, int index) const;
    // As findIndString, but empty when no file holds the item.
    LStr255 GetIndString(ResType type, std::int16_t id, int index) const;

private:
    std::unique_ptr<ResourceFile> mLanguage;
    std::unique_ptr<ResourceFile> mApplication;
};

// The application's own resources as compiled in; null if they are missing from the binary.
std::unique_ptr<ResourceFile> LoadApplicationResources();

// The chain the running application uses. Starts with the application's own resources and no
// language file; start-up installs the language file.
ResourceChain& TheResourceChain();

// Item index of string list listID in the running chain as text; fallback when the item is
// missing or empty.
QString IndStringText(std::int16_t listID, int index, const QString& fallback = QString());

// A text of the application's string lists as the interface shows it: translated (context
// "Resources") where the interface language has a translation of it, else as it stands. A
// language file's own text, having none, stays as the file has it.
QString InterfaceText(std::string_view text);
LStr255 InterfaceString(const LStr255& text);
