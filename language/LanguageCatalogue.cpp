#include "LanguageCatalogue.h"

#include "LanguageFile.h"
#include "ResourceChain.h"
#include "ResourceLayout.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

namespace {

constexpr std::int16_t kVersionID = 1;

// "1.0 Deutsch" names the language "Deutsch".
QString languageName(const ResourceFile& file, const QString& fallback) {
    const ResourceBytes* bytes = file.get(kVersionType, kVersionID);
    const auto version = bytes ? DecodeVersion(*bytes) : std::nullopt;
    if (!version)
        return fallback;
    QString name = QString::fromStdString(version->longVersion);
    const QString shortVersion = QString::fromStdString(version->shortVersion);
    if (!shortVersion.isEmpty() && name.startsWith(shortVersion))
        name = name.mid(shortVersion.size());
    while (!name.isEmpty() && (name.front().isSpace() || name.front() == QLatin1Char(',')))
        name.remove(0, 1);
    return name.trimmed().isEmpty() ? fallback : name.trimmed();
}

void addIfLanguageFile(const QString& path, const ResourceBytes* applicationVersion,
                       std::vector<LanguageChoice>& choices) {
    auto file = ResourceFile::open(path);
    if (!file || file->fileType() != kLanguageFileType || file->creator() != kApplicationCreator)
        return;
    const auto region = LanguageFileRegion(file.get());
    if (!region)
        return;
    // The same file as start-up would accept it: the version must match the application's.
    if (MatchLanguageFile(path, *region, applicationVersion) == nullptr)
        return;
    choices.push_back({languageName(*file, QFileInfo(path).completeBaseName()), path, *region});
}

QFileInfoList entriesByName(const QString& folder) {
    return QDir(folder).entryInfoList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::System,
                                      QDir::Name);
}

} // namespace

std::vector<LanguageChoice> ListLanguages(const QString& languagesFolder,
                                          const ResourceFile* applicationResources) {
    std::vector<LanguageChoice> choices;
    LanguageChoice own;
    own.name = QCoreApplication::translate("LanguageCatalogue", "English");
    own.region = LanguageFileRegion(applicationResources).value_or(own.region);
    choices.push_back(own);
    const ResourceBytes* applicationVersion =
        applicationResources ? applicationResources->get(kVersionType, kVersionID) : nullptr;
    if (applicationVersion && applicationVersion->empty())
        applicationVersion = nullptr;
    if (languagesFolder.isEmpty())
        return choices;
    std::size_t seen = 0;
    for (const QFileInfo& entry : entriesByName(languagesFolder)) {
        if (++seen > kMaxFolderEntries)
            break;
        // Real subfolders only, one level deep, as start-up looks for language files.
        if (entry.isDir() && !entry.isSymLink()) {
            for (const QFileInfo& inner : entriesByName(entry.filePath())) {
                if (!inner.isDir())
                    addIfLanguageFile(inner.filePath(), applicationVersion, choices);
            }
        } else if (!entry.isDir()) {
            addIfLanguageFile(entry.filePath(), applicationVersion, choices);
        }
    }
    return choices;
}

std::unique_ptr<Vocabulary> LoadVocabulary(const LanguageChoice& choice) {
    ResourceChain chain(LoadApplicationResources());
    if (!choice.path.isEmpty()) {
        auto file = ResourceFile::open(choice.path);
        if (!file)
            return nullptr;
        chain.setLanguageFile(std::move(file));
    }
    auto vocabulary = std::make_unique<Vocabulary>();
    vocabulary->Fill(chain);
    return vocabulary;
}

CandidateVocabularies LoadCandidateVocabularies(const std::vector<LanguageChoice>& choices) {
    CandidateVocabularies vocabularies;
    vocabularies.inOrder.push_back(&ProcessVocabulary());
    for (const LanguageChoice& choice : choices) {
        vocabularies.owned.push_back(LoadVocabulary(choice));
        vocabularies.inOrder.push_back(vocabularies.owned.back().get());
    }
    return vocabularies;
}
