// Writing the JSON form of a resource file. Lists and version records whose bytes would not
// come back identical from their readable form are written as hex, so a file always round-trips.

#include "ResourceFile.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QSaveFile>

namespace {

QString toQString(const std::string& text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

bool survivesUtf8(const std::string& text) {
    return toQString(text).toStdString() == text;
}

QString hexText(const ResourceBytes& bytes) {
    static constexpr char kHex[] = "0123456789abcdef";
    QString text;
    text.reserve(static_cast<qsizetype>(bytes.size() * 5 / 2));
    for (std::size_t i = 0; i < bytes.size(); ++i) {
        if (i > 0 && i % 2 == 0)
            text += QLatin1Char(' ');
        text += QLatin1Char(kHex[bytes[i] >> 4]);
        text += QLatin1Char(kHex[bytes[i] & 0xF]);
    }
    return text;
}

std::optional<QJsonArray> readableStrings(const ResourceBytes& bytes) {
    const auto strings = DecodeStringList(bytes);
    if (!strings || strings->size() > kMaxStringsPerList || EncodeStringList(*strings) != bytes)
        return std::nullopt;
    QJsonArray array;
    for (const auto& text : *strings) {
        if (!survivesUtf8(text))
            return std::nullopt;
        array.append(toQString(text));
    }
    return array;
}

std::optional<QJsonObject> readableVersion(const ResourceBytes& bytes) {
    const auto version = DecodeVersion(bytes);
    if (!version || ReleaseStageName(version->stage).empty() ||
        !survivesUtf8(version->shortVersion) || !survivesUtf8(version->longVersion) ||
        EncodeVersion(*version) != bytes)
        return std::nullopt;
    const std::string_view stage = ReleaseStageName(version->stage);
    QJsonObject object;
    object[QStringLiteral("major")] = version->major;
    object[QStringLiteral("minor")] = version->minor;
    object[QStringLiteral("bugfix")] = version->bugfix;
    object[QStringLiteral("stage")] =
        QString::fromLatin1(stage.data(), static_cast<qsizetype>(stage.size()));
    object[QStringLiteral("prerelease")] = version->prerelease;
    object[QStringLiteral("region")] = version->region;
    object[QStringLiteral("short")] = toQString(version->shortVersion);
    object[QStringLiteral("long")] = toQString(version->longVersion);
    return object;
}

QString codeText(FourCharCode code) {
    return toQString(FormatFourCharCode(code));
}

} // namespace

QByteArray ResourceFile::toJson() const {
    QJsonObject root;
    root[QStringLiteral("format")] = QStringLiteral("turtlescope-resources");
    root[QStringLiteral("version")] = 1;
    root[QStringLiteral("fileType")] = codeText(mFileType);
    root[QStringLiteral("creator")] = codeText(mCreator);
    root[QStringLiteral("finderFlags")] = mFinderFlags;

    QJsonArray list;
    for (const auto& [key, resource] : mResources) {
        QJsonObject entry;
        entry[QStringLiteral("type")] = codeText(key.first);
        entry[QStringLiteral("id")] = key.second;
        if (!resource.name.empty())
            entry[QStringLiteral("name")] = toQString(resource.name);
        std::optional<QJsonArray> strings;
        std::optional<QJsonObject> version;
        if (key.first == kStringListType)
            strings = readableStrings(resource.bytes);
        else if (key.first == kVersionType)
            version = readableVersion(resource.bytes);
        if (strings)
            entry[QStringLiteral("strings")] = *strings;
        else if (version)
            entry[QStringLiteral("vers")] = *version;
        else
            entry[QStringLiteral("hex")] = hexText(resource.bytes);
        list.append(entry);
    }
    root[QStringLiteral("resources")] = list;
    return QJsonDocument(root).toJson(QJsonDocument::Indented);
}

bool ResourceFile::save(const QString& path, QString* error) const {
    QSaveFile file(path);
    const QByteArray json = toJson();
    if (!file.open(QIODevice::WriteOnly) || file.write(json) != json.size() || !file.commit()) {
        if (error != nullptr)
            *error = file.errorString();
        return false;
    }
    return true;
}
