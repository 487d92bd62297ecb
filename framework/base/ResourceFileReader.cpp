// Reading the JSON form of a resource file. Anything unexpected refuses the whole file: a
// half-read language or settings file would be worse than none.

#include "ResourceFile.h"

#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QJsonParseError>
#include <cmath>
#include <filesystem>
#include <system_error>

namespace {

constexpr auto kFormatName = "turtlescope-resources";
constexpr int kFormatVersion = 1;

// Raised inside the reader only; turned into a refusal at the top.
struct Refusal {
    QString reason;
};

[[noreturn]] void refuse(const QString& reason) {
    throw Refusal{reason};
}

std::int64_t integerField(const QJsonValue& value, const QString& what, std::int64_t lowest,
                          std::int64_t highest) {
    if (!value.isDouble())
        refuse(what + " must be a number");
    const double number = value.toDouble();
    if (!std::isfinite(number) || std::trunc(number) != number || number < double(lowest) ||
        number > double(highest))
        refuse(QStringLiteral("%1 must be a whole number from %2 to %3")
                   .arg(what)
                   .arg(lowest)
                   .arg(highest));
    return static_cast<std::int64_t>(number);
}

std::int64_t optionalInteger(const QJsonObject& object, const QString& key, std::int64_t fallback,
                             std::int64_t lowest, std::int64_t highest) {
    const QJsonValue value = object.value(key);
    if (value.isUndefined())
        return fallback;
    return integerField(value, key, lowest, highest);
}

std::string stringField(const QJsonValue& value, const QString& what) {
    if (!value.isString())
        refuse(what + " must be a string");
    return value.toString().toStdString();
}

std::string optionalString(const QJsonObject& object, const QString& key) {
    const QJsonValue value = object.value(key);
    if (value.isUndefined())
        return {};
    return stringField(value, key);
}

FourCharCode codeField(const QJsonValue& value, const QString& what) {
    const auto code = ParseFourCharCode(stringField(value, what));
    if (!code)
        refuse(what + " must be four Mac Roman characters or 0x and eight hex digits");
    return *code;
}

ResourceBytes hexBytes(const QJsonValue& value) {
    if (!value.isString())
        refuse(QStringLiteral("hex must be a string"));
    const QString text = value.toString();
    ResourceBytes bytes;
    bytes.reserve(static_cast<std::size_t>(text.size() / 2));
    int pending = -1;
    for (const QChar c : text) {
        if (c.isSpace())
            continue;
        int digit = -1;
        const char16_t u = c.unicode();
        if (u >= '0' && u <= '9')
            digit = u - '0';
        else if (u >= 'a' && u <= 'f')
            digit = u - 'a' + 10;
        else if (u >= 'A' && u <= 'F')
            digit = u - 'A' + 10;
        if (digit < 0)
            refuse(QStringLiteral("hex holds a character that is not a hex digit"));
        if (pending < 0) {
            pending = digit;
        } else {
            bytes.push_back(static_cast<std::uint8_t>((pending << 4) | digit));
            pending = -1;
        }
    }
    if (pending >= 0)
        refuse(QStringLiteral("hex has an odd number of digits"));
    return bytes;
}

ResourceBytes stringListBytes(const QJsonValue& value) {
    if (!value.isArray())
        refuse(QStringLiteral("strings must be a list"));
    const QJsonArray array = value.toArray();
    if (static_cast<std::size_t>(array.size()) > kMaxStringsPerList)
        refuse(QStringLiteral("a string list holds more than %1 items").arg(kMaxStringsPerList));
    std::vector<std::string> strings;
    strings.reserve(static_cast<std::size_t>(array.size()));
    for (const QJsonValue item : array)
        strings.push_back(stringField(item, QStringLiteral("every item of strings")));
    return EncodeStringList(strings);
}

ResourceBytes versionBytes(const QJsonValue& value) {
    if (!value.isObject())
        refuse(QStringLiteral("vers must be an object"));
    const QJsonObject object = value.toObject();
    VersionRecord version;
    if (!object.contains(QStringLiteral("major")) || !object.contains(QStringLiteral("minor")))
        refuse(QStringLiteral("vers needs major and minor"));
    version.major = int(optionalInteger(object, QStringLiteral("major"), 0, 0, 99));
    version.minor = int(optionalInteger(object, QStringLiteral("minor"), 0, 0, 9));
    version.bugfix = int(optionalInteger(object, QStringLiteral("bugfix"), 0, 0, 9));
    const QJsonValue stage = object.value(QStringLiteral("stage"));
    if (!stage.isUndefined()) {
        const auto parsed = ParseReleaseStage(stringField(stage, QStringLiteral("stage")));
        if (!parsed)
            refuse(QStringLiteral("stage must be development, alpha, beta or final"));
        version.stage = static_cast<std::uint8_t>(*parsed);
    }
    version.prerelease =
        std::uint8_t(optionalInteger(object, QStringLiteral("prerelease"), 0, 0, 255));
    version.region =
        std::int16_t(optionalInteger(object, QStringLiteral("region"), 0, -32768, 32767));
    version.shortVersion = optionalString(object, QStringLiteral("short"));
    version.longVersion = optionalString(object, QStringLiteral("long"));
    const auto bytes = EncodeVersion(version);
    if (!bytes)
        refuse(QStringLiteral("vers holds a field out of range"));
    return *bytes;
}

void readResource(const QJsonValue& value, ResourceFile& file) {
    if (!value.isObject())
        refuse(QStringLiteral("every resource must be an object"));
    const QJsonObject object = value.toObject();
    const ResType type = codeField(object.value(QStringLiteral("type")), QStringLiteral("type"));
    const auto id = static_cast<std::int16_t>(
        integerField(object.value(QStringLiteral("id")), QStringLiteral("id"), -32768, 32767));
    if (file.get(type, id) != nullptr)
        refuse(QStringLiteral("resource %1 %2 appears twice")
                   .arg(QString::fromStdString(FormatFourCharCode(type)))
                   .arg(id));
    const std::string name = optionalString(object, QStringLiteral("name"));

    const bool hasHex = object.contains(QStringLiteral("hex"));
    const bool hasStrings = object.contains(QStringLiteral("strings"));
    const bool hasVersion = object.contains(QStringLiteral("vers"));
    if (int(hasHex) + int(hasStrings) + int(hasVersion) != 1)
        refuse(QStringLiteral("a resource needs exactly one of hex, strings and vers"));
    if (hasStrings && type != kStringListType)
        refuse(QStringLiteral("strings are only for 'STR#' resources"));
    if (hasVersion && type != kVersionType)
        refuse(QStringLiteral("vers is only for 'vers' resources"));

    ResourceBytes bytes;
    if (hasHex)
        bytes = hexBytes(object.value(QStringLiteral("hex")));
    else if (hasStrings)
        bytes = stringListBytes(object.value(QStringLiteral("strings")));
    else
        bytes = versionBytes(object.value(QStringLiteral("vers")));
    file.put(type, id, std::move(bytes), name);
}

std::unique_ptr<ResourceFile> readDocument(const QJsonObject& root) {
    if (root.value(QStringLiteral("format")) != QJsonValue(QString::fromLatin1(kFormatName)))
        refuse(QStringLiteral("not a turtlescope-resources file"));
    if (integerField(root.value(QStringLiteral("version")), QStringLiteral("version"), 0, 0xFFFF) !=
        kFormatVersion)
        refuse(QStringLiteral("unknown format version"));

    auto file = std::make_unique<ResourceFile>();
    if (root.contains(QStringLiteral("fileType")))
        file->setFileType(
            codeField(root.value(QStringLiteral("fileType")), QStringLiteral("fileType")));
    if (root.contains(QStringLiteral("creator")))
        file->setCreator(
            codeField(root.value(QStringLiteral("creator")), QStringLiteral("creator")));
    file->setFinderFlags(
        std::uint16_t(optionalInteger(root, QStringLiteral("finderFlags"), 0, 0, 0xFFFF)));

    const QJsonValue resources = root.value(QStringLiteral("resources"));
    if (resources.isUndefined())
        return file;
    if (!resources.isArray())
        refuse(QStringLiteral("resources must be a list"));
    const QJsonArray list = resources.toArray();
    if (static_cast<std::size_t>(list.size()) > kMaxResourcesPerFile)
        refuse(QStringLiteral("more than %1 resources").arg(kMaxResourcesPerFile));
    for (const QJsonValue value : list)
        readResource(value, *file);
    return file;
}

void setError(QString* error, const QString& reason) {
    if (error != nullptr)
        *error = reason;
}

// Only regular files are read: a FIFO or a device would block or never end.
bool isRegularLocalFile(const QString& path) {
    std::error_code ec;
    return std::filesystem::is_regular_file(
        std::filesystem::path(QFile::encodeName(path).toStdString()), ec);
}

} // namespace

std::unique_ptr<ResourceFile> ResourceFile::fromJson(const QByteArray& json, QString* error) {
    if (json.size() > kMaxResourceFileBytes) {
        setError(error,
                 QStringLiteral("the file is larger than %1 bytes").arg(kMaxResourceFileBytes));
        return nullptr;
    }
    QJsonParseError parseError;
    const QJsonDocument document = QJsonDocument::fromJson(json, &parseError);
    if (parseError.error != QJsonParseError::NoError) {
        setError(error, parseError.errorString());
        return nullptr;
    }
    if (!document.isObject()) {
        setError(error, QStringLiteral("the top level must be an object"));
        return nullptr;
    }
    try {
        return readDocument(document.object());
    } catch (const Refusal& refusal) {
        setError(error, refusal.reason);
        return nullptr;
    }
}

std::unique_ptr<ResourceFile> ResourceFile::open(const QString& path, QString* error) {
    const bool compiledIn = path.startsWith(QLatin1Char(':'));
    if (!compiledIn && !isRegularLocalFile(path)) {
        setError(error, QStringLiteral("not a readable regular file"));
        return nullptr;
    }
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        setError(error, file.errorString());
        return nullptr;
    }
    if (file.size() > kMaxResourceFileBytes) {
        setError(error,
                 QStringLiteral("the file is larger than %1 bytes").arg(kMaxResourceFileBytes));
        return nullptr;
    }
    const QByteArray json = file.read(kMaxResourceFileBytes + 1);
    return fromJson(json, error);
}
