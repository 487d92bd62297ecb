#pragma once

// A resource file: a file type, a creator, Finder flags and resources addressed by (type, ID),
// each held as its bytes in the standard layout. On disk it is the program's JSON format; see
// ResourceFileReader.cpp and ResourceFileWriter.cpp.

#include "FourCharCode.h"
#include "LString.h"
#include "ResourceLayout.h"

#include <QByteArray>
#include <QString>
#include <cstdint>
#include <map>
#include <memory>
#include <optional>
#include <string>
#include <utility>

constexpr ResType kStringListType = FourCC("STR#");
constexpr ResType kVersionType = FourCC("vers");

// Finder flag bit 15: the file is an alias of another.
constexpr std::uint16_t kIsAliasFinderFlag = 0x8000;

// Bounds that keep a hostile file from costing more than a little memory and time.
constexpr qint64 kMaxResourceFileBytes = 2 * 1024 * 1024;
constexpr std::size_t kMaxResourcesPerFile = 4096;
constexpr std::size_t kMaxStringsPerList = 4096;

class ResourceFile {
public:
    struct Resource {
        std::string name;
        ResourceBytes bytes;
    };
    using Key = std::pair<ResType, std::int16_t>;

    ResourceFile() = default;

    // Reads a file from a path (or a Qt resource path ":/..."). None when the file cannot be
    // read or is not a well-formed resource file; error, when given, then says why.
    static std::unique_ptr<ResourceFile> open(const QString& path, QString* error = nullptr);
    static std::unique_ptr<ResourceFile> fromJson(const QByteArray& json, QString* error = nullptr);

    QByteArray toJson() const;
    // Writes the file in one step (through a temporary file): all or nothing.
    bool save(const QString& path, QString* error = nullptr) const;

    OSType fileType() const { return mFileType; }
    OSType creator() const { return mCreator; }
    std::uint16_t finderFlags() const { return mFinderFlags; }
    void setFileType(OSType type) { mFileType = type; }
    void setCreator(OSType creator) { mCreator = creator; }
    void setFinderFlags(std::uint16_t flags) { mFinderFlags = flags; }

    // The bytes of resource (type, id) of this file alone, or null.
    const ResourceBytes* get(ResType type, std::int16_t id) const;
    const std::string* name(ResType type, std::int16_t id) const;
    // Adds or replaces a resource.
    void put(ResType type, std::int16_t id, ResourceBytes bytes, std::string name = {});
    bool remove(ResType type, std::int16_t id);
    std::size_t count() const { return mResources.size(); }
    const std::map<Key, Resource>& resources() const { return mResources; }

    // Item index (1-based) of list (type, id) of this file, or none when the file does not hold
    // that item.
    std::optional<LStr255> GetIndString(ResType type, std::int16_t id, int index) const;

private:
    OSType mFileType = 0;
    OSType mCreator = 0;
    std::uint16_t mFinderFlags = 0;
    std::map<Key, Resource> mResources;
};
