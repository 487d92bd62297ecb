// Arbitrary bytes into the resource-file reader, and every string list it accepts read item by
// item, then written and read back.

#include "ResourceFile.h"

#include <cstddef>
#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const QByteArray json(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    const auto file = ResourceFile::fromJson(json);
    if (!file)
        return 0;
    for (const auto& [key, resource] : file->resources()) {
        for (int index = -1; index <= 40; ++index)
            (void)file->GetIndString(key.first, key.second, index);
        (void)DecodeStringList(resource.bytes);
        (void)DecodeVersion(resource.bytes);
        (void)ReadVersionKey(resource.bytes);
    }
    // Whatever was read must write out and come back byte for byte.
    const auto copy = ResourceFile::fromJson(file->toJson());
    if (!copy || copy->count() != file->count())
        std::abort();
    for (const auto& [key, resource] : file->resources()) {
        const ResourceBytes* bytes = copy->get(key.first, key.second);
        if (bytes == nullptr || *bytes != resource.bytes)
            std::abort();
    }
    return 0;
}
