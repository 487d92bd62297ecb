#include "ResourceChain.h"

const ResourceBytes* ResourceChain::get(ResType type, std::int16_t id) const {
    for (const ResourceFile* file : {mLanguage.get(), mApplication.get()}) {
        if (file == nullptr)
            continue;
        if (const ResourceBytes* bytes = file->get(type, id))
            return bytes;
    }
    return nullptr;
}

std::optional<LStr255> ResourceChain::findIndString(ResType type, std::int16_t id,
                                                    int index) const {
    for (const ResourceFile* file : {mLanguage.get(), mApplication.get()}) {
        if (file == nullptr)
            continue;
        if (auto item = file->GetIndString(type, id, index))
            return item;
    }
    return std::nullopt;
}

LStr255 ResourceChain::GetIndString(ResType type, std::int16_t id, int index) const {
    return findIndString(type, id, index).value_or(LStr255());
}

std::unique_ptr<ResourceFile> LoadApplicationResources() {
    return ResourceFile::open(QString::fromLatin1(kApplicationResourcePath));
}

ResourceChain& TheResourceChain() {
    static ResourceChain chain(LoadApplicationResources());
    return chain;
}

QString IndStringText(std::int16_t listID, int index, const QString& fallback) {
    const LStr255 text = TheResourceChain().GetIndString(kStringListType, listID, index);
    if (text.empty())
        return fallback;
    return QString::fromUtf8(text.view().data(), static_cast<qsizetype>(text.length()));
}
