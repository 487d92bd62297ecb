#pragma once

// The standard byte layouts of the resource types the program reads: 'STR#' string lists and
// 'vers' version records. All big-endian.

#include "LString.h"

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

using ResourceBytes = std::vector<std::uint8_t>;

// 'STR#': a u16 count, then that many Pascal strings back to back.
// Each string is cut to 255 bytes without splitting a UTF-8 character; at most 65535 are kept.
ResourceBytes EncodeStringList(const std::vector<std::string>& strings);

// Every complete item of a 'STR#'; none when the bytes are shorter than the count says.
std::optional<std::vector<std::string>> DecodeStringList(const ResourceBytes& bytes);

// Item index (1-based) of a 'STR#', or none when the list does not hold it completely.
std::optional<LStr255> StringListItem(const ResourceBytes& bytes, int index);

enum class ReleaseStage : std::uint8_t {
    development = 0x20,
    alpha = 0x40,
    beta = 0x60,
    final = 0x80,
};

// 'vers': major (BCD), minor<<4 | bugfix, stage, prerelease, i16 region, short and long strings.
struct VersionRecord {
    int major = 0;  // 0..99, stored as two BCD digits
    int minor = 0;  // 0..9
    int bugfix = 0; // 0..9
    std::uint8_t stage = static_cast<std::uint8_t>(ReleaseStage::final);
    std::uint8_t prerelease = 0;
    std::int16_t region = 0;
    std::string shortVersion;
    std::string longVersion;

    friend bool operator==(const VersionRecord&, const VersionRecord&) = default;
};

// Fields out of range are refused.
std::optional<ResourceBytes> EncodeVersion(const VersionRecord& version);

// None when the bytes are too short or the strings run past the end. Fields that are not BCD
// digits are refused too, so that decoding and encoding give back the same bytes.
std::optional<VersionRecord> DecodeVersion(const ResourceBytes& bytes);

// The fields the language-file choice compares: byte 0, the high nibble of byte 1, bytes 4-5.
struct VersionKey {
    std::uint8_t majorByte = 0;
    std::uint8_t minorNibble = 0;
    std::int16_t region = 0;
};
std::optional<VersionKey> ReadVersionKey(const ResourceBytes& bytes);

std::optional<ReleaseStage> ParseReleaseStage(std::string_view name);
std::string_view ReleaseStageName(std::uint8_t stage); // empty for a stage without a name
