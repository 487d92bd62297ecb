#include "ResourceChain.h"

#include <QCoreApplication>

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

QString InterfaceText(std::string_view text) {
    const QByteArray bytes(text.data(), static_cast<qsizetype>(text.size()));
    return QCoreApplication::translate("Resources", bytes.constData());
}

LStr255 InterfaceString(const LStr255& text) {
    const QByteArray bytes = InterfaceText(text.view()).toUtf8();
    return LStr255(std::string_view(bytes.constData(), static_cast<std::size_t>(bytes.size())));
}
