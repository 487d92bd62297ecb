#include "ResourceLayout.h"

namespace {

// The big-endian 16-bit word at a position the caller has checked.
std::uint16_t wordAt(const ResourceBytes& bytes, std::size_t at) {
    return static_cast<std::uint16_t>((std::uint16_t(bytes[at]) << 8) | bytes[at + 1]);
}

constexpr std::size_t kMaxListItems = 0xFFFF;

void appendPascal(ResourceBytes& out, std::string_view text) {
    const LStr255 cut(text);
    out.push_back(static_cast<std::uint8_t>(cut.length()));
    out.insert(out.end(), cut.bytes(), cut.bytes() + cut.length());
}

// Reads the Pascal string at pos, advancing pos; none when it runs past the end.
std::optional<std::string> readPascal(const ResourceBytes& bytes, std::size_t& pos) {
    if (pos >= bytes.size())
        return std::nullopt;
    const std::size_t length = bytes[pos];
    if (bytes.size() - pos - 1 < length)
        return std::nullopt;
    std::string text(reinterpret_cast<const char*>(bytes.data() + pos + 1), length);
    pos += 1 + length;
    return text;
}

bool isBcdByte(std::uint8_t byte) {
    return (byte >> 4) <= 9 && (byte & 0xF) <= 9;
}

} // namespace

ResourceBytes EncodeStringList(const std::vector<std::string>& strings) {
    const std::size_t count = std::min(strings.size(), kMaxListItems);
    ResourceBytes out;
    out.push_back(static_cast<std::uint8_t>(count >> 8));
    out.push_back(static_cast<std::uint8_t>(count & 0xFF));
    for (std::size_t i = 0; i < count; ++i)
        appendPascal(out, strings[i]);
    return out;
}

std::optional<std::vector<std::string>> DecodeStringList(const ResourceBytes& bytes) {
    if (bytes.size() < 2)
        return std::nullopt;
    const std::size_t count = wordAt(bytes, 0);
    std::vector<std::string> strings;
    std::size_t pos = 2;
    for (std::size_t i = 0; i < count; ++i) {
        auto text = readPascal(bytes, pos);
        if (!text)
            return std::nullopt;
        strings.push_back(std::move(*text));
    }
    return strings;
}

std::optional<LStr255> StringListItem(const ResourceBytes& bytes, int index) {
    if (index < 1 || bytes.size() < 2)
        return std::nullopt;
    const std::size_t count = wordAt(bytes, 0);
    if (static_cast<std::size_t>(index) > count)
        return std::nullopt;
    std::size_t pos = 2;
    for (int i = 1; i < index; ++i) {
        if (pos >= bytes.size())
            return std::nullopt;
        pos += 1 + std::size_t(bytes[pos]);
    }
    const auto text = readPascal(bytes, pos);
    if (!text)
        return std::nullopt;
    return LStr255(*text);
}

std::optional<ResourceBytes> EncodeVersion(const VersionRecord& v) {
    if (v.major < 0 || v.major > 99 || v.minor < 0 || v.minor > 9 || v.bugfix < 0 || v.bugfix > 9)
        return std::nullopt;
    ResourceBytes out;
    out.push_back(static_cast<std::uint8_t>(((v.major / 10) << 4) | (v.major % 10)));
    out.push_back(static_cast<std::uint8_t>((v.minor << 4) | v.bugfix));
    out.push_back(v.stage);
    out.push_back(v.prerelease);
    const auto region = static_cast<std::uint16_t>(v.region);
    out.push_back(static_cast<std::uint8_t>(region >> 8));
    out.push_back(static_cast<std::uint8_t>(region & 0xFF));
    appendPascal(out, v.shortVersion);
    appendPascal(out, v.longVersion);
    return out;
}

std::optional<VersionRecord> DecodeVersion(const ResourceBytes& bytes) {
    if (bytes.size() < 8 || !isBcdByte(bytes[0]) || !isBcdByte(bytes[1]))
        return std::nullopt;
    VersionRecord v;
    v.major = (bytes[0] >> 4) * 10 + (bytes[0] & 0xF);
    v.minor = bytes[1] >> 4;
    v.bugfix = bytes[1] & 0xF;
    v.stage = bytes[2];
    v.prerelease = bytes[3];
    v.region = static_cast<std::int16_t>(wordAt(bytes, 4));
    std::size_t pos = 6;
    auto shortVersion = readPascal(bytes, pos);
    if (!shortVersion)
        return std::nullopt;
    auto longVersion = readPascal(bytes, pos);
    if (!longVersion)
        return std::nullopt;
    v.shortVersion = std::move(*shortVersion);
    v.longVersion = std::move(*longVersion);
    return v;
}

std::optional<VersionKey> ReadVersionKey(const ResourceBytes& bytes) {
    if (bytes.size() < 6)
        return std::nullopt;
    VersionKey key;
    key.majorByte = bytes[0];
    key.minorNibble = static_cast<std::uint8_t>(bytes[1] >> 4);
    key.region = static_cast<std::int16_t>(wordAt(bytes, 4));
    return key;
}

std::optional<ReleaseStage> ParseReleaseStage(std::string_view name) {
    if (name == "development")
        return ReleaseStage::development;
    if (name == "alpha")
        return ReleaseStage::alpha;
    if (name == "beta")
        return ReleaseStage::beta;
    if (name == "final")
        return ReleaseStage::final;
    return std::nullopt;
}

std::string_view ReleaseStageName(std::uint8_t stage) {
    switch (static_cast<ReleaseStage>(stage)) {
    case ReleaseStage::development:
        return "development";
    case ReleaseStage::alpha:
        return "alpha";
    case ReleaseStage::beta:
        return "beta";
    case ReleaseStage::final:
        return "final";
    }
    return {};
}
