#include "LanguageFile.h"

#include "RegionCode.h"

#include <QCoreApplication>
#include <QFile>
#include <algorithm>
#include <filesystem>
#include <optional>
#include <system_error>
#include <vector>

namespace fs = std::filesystem;

namespace {

constexpr std::int16_t kVersionID = 1;

fs::path toPath(const QString& path) {
    return fs::path(path.toStdString());
}
QString toQString(const fs::path& path) {
    return QString::fromStdString(path.string());
}

// Follows symbolic links, as the platform resolves alias chains; none for a loop or a chain
// too long to be sensible.
std::optional<fs::path> resolveAlias(fs::path path) {
    for (int hop = 0; hop <= kMaxAliasHops; ++hop) {
        std::error_code ec;
        const fs::file_status status = fs::symlink_status(path, ec);
        if (ec || !fs::is_symlink(status))
            return path;
        fs::path target = fs::read_symlink(path, ec);
        if (ec)
            return std::nullopt;
        path = target.is_absolute() ? target : path.parent_path() / target;
    }
    return std::nullopt;
}

std::unique_ptr<ResourceFile> openResolved(const fs::path& path) {
    const auto resolved = resolveAlias(path);
    if (!resolved)
        return nullptr;
    return ResourceFile::open(toQString(*resolved));
}

// The major byte and the minor nibble must agree; a version too short to hold them never does.
bool sameMajorAndMinor(const ResourceBytes& file, const ResourceBytes& application) {
    return file.size() >= 2 && application.size() >= 2 && file[0] == application[0] &&
           (file[1] >> 4) == (application[1] >> 4);
}

// Creates the folder unless it is there already; false when neither works.
bool ensureFolder(const fs::path& folder) {
    std::error_code ec;
    fs::create_directory(folder, ec);
    return fs::is_directory(folder, ec);
}

std::unique_ptr<ResourceFile> acceptDefault(const fs::path& folder,
                                            const ResourceBytes* applicationVersion) {
    auto file = openResolved(folder / "Default");
    if (!file)
        return nullptr;
    if (applicationVersion == nullptr)
        return file;
    const ResourceBytes* version = file->get(kVersionType, kVersionID);
    if (version != nullptr && sameMajorAndMinor(*version, *applicationVersion))
        return file;
    return nullptr;
}

// The entries of a folder in name order, so the choice is the same on every machine.
std::vector<fs::path> sortedEntries(const fs::path& folder) {
    std::vector<fs::path> entries;
    std::error_code ec;
    fs::directory_iterator it(folder, ec);
    const fs::directory_iterator end;
    while (!ec && it != end && entries.size() < kMaxFolderEntries) {
        entries.push_back(it->path());
        it.increment(ec);
    }
    std::sort(entries.begin(), entries.end(), [](const fs::path& a, const fs::path& b) {
        return a.filename().native() < b.filename().native();
    });
    return entries;
}

// A real subfolder, not a link to one: links to folders could lead anywhere, loops included.
bool isRealFolder(const fs::path& path) {
    std::error_code ec;
    return fs::is_directory(fs::symlink_status(path, ec));
}

std::unique_ptr<ResourceFile> scanForRegion(const fs::path& folder, std::int16_t wantedRegion,
                                            const ResourceBytes* applicationVersion) {
    for (const fs::path& entry : sortedEntries(folder)) {
        if (!isRealFolder(entry)) {
            if (auto file = MatchLanguageFile(toQString(entry), wantedRegion, applicationVersion))
                return file;
            continue;
        }
        for (const fs::path& inner : sortedEntries(entry)) {
            if (isRealFolder(inner))
                continue;
            if (auto file = MatchLanguageFile(toQString(inner), wantedRegion, applicationVersion))
                return file;
        }
    }
    return nullptr;
}

} // namespace

QString DefaultLanguagesFolder() {
    QString folder;
    if (QCoreApplication::instance() != nullptr) {
        folder = QCoreApplication::applicationDirPath();
    } else {
        std::error_code ec;
        const fs::path executable = fs::read_symlink("/proc/self/exe", ec);
        if (!ec)
            folder = toQString(executable.parent_path());
    }
    return folder + QStringLiteral("/Languages");
}

std::unique_ptr<ResourceFile> MatchLanguageFile(const QString& path, std::int16_t wantedRegion,
                                                const ResourceBytes* applicationVersion) {
    auto file = openResolved(toPath(path));
    if (!file || file->fileType() != kLanguageFileType || file->creator() != kApplicationCreator)
        return nullptr;
    const ResourceBytes* version = file->get(kVersionType, kVersionID);
    if (version == nullptr)
        return nullptr;
    const auto key = ReadVersionKey(*version);
    if (!key || key->region != wantedRegion)
        return nullptr;
    if (applicationVersion != nullptr && !sameMajorAndMinor(*version, *applicationVersion))
        return nullptr;
    return file;
}

std::unique_ptr<ResourceFile> LoadLanguageFile(const QString& languagesFolder,
                                               std::int16_t systemRegion,
                                               const ResourceFile* applicationResources) {
    const fs::path folder = toPath(languagesFolder);
    if (languagesFolder.isEmpty() || !ensureFolder(folder))
        return nullptr;

    // An empty application version accepts any "Default", as if there were none.
    const ResourceBytes* applicationVersion =
        applicationResources ? applicationResources->get(kVersionType, kVersionID) : nullptr;
    if (applicationVersion != nullptr && applicationVersion->empty())
        applicationVersion = nullptr;

    if (auto file = acceptDefault(folder, applicationVersion))
        return file;
    return scanForRegion(folder, MapRegionCode(systemRegion), applicationVersion);
}

bool InstallLanguageFile(ResourceChain& chain, const QString& languagesFolder,
                         std::int16_t systemRegion) {
    chain.setLanguageFile(
        LoadLanguageFile(languagesFolder, systemRegion, chain.applicationResources()));
    return chain.hasLanguageFile();
}

std::optional<std::int16_t> LanguageFileRegion(const ResourceFile* languageFile) {
    if (languageFile == nullptr)
        return std::nullopt;
    const ResourceBytes* version = languageFile->get(kVersionType, kVersionID);
    if (version == nullptr)
        return std::nullopt;
    const auto key = ReadVersionKey(*version);
    if (!key)
        return std::nullopt;
    return key->region;
}
