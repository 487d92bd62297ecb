#include "ResourceFile.h"

const ResourceBytes* ResourceFile::get(ResType type, std::int16_t id) const {
    const auto found = mResources.find({type, id});
    return found == mResources.end() ? nullptr : &found->second.bytes;
}

const std::string* ResourceFile::name(ResType type, std::int16_t id) const {
    const auto found = mResources.find({type, id});
    return found == mResources.end() ? nullptr : &found->second.name;
}

void ResourceFile::put(ResType type, std::int16_t id, ResourceBytes bytes, std::string name) {
    mResources[{type, id}] = Resource{LStr255(name).str(), std::move(bytes)};
}

bool ResourceFile::remove(ResType type, std::int16_t id) {
    return mResources.erase({type, id}) > 0;
}

std::optional<LStr255> ResourceFile::GetIndString(ResType type, std::int16_t id, int index) const {
    const ResourceBytes* bytes = get(type, id);
    if (bytes == nullptr)
        return std::nullopt;
    return StringListItem(*bytes, index);
}
