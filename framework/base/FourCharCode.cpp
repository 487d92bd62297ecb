#include "FourCharCode.h"

#include "MacRoman.h"

#include <array>

namespace {

int hexDigitValue(char c) {
    if (c >= '0' && c <= '9')
        return c - '0';
    if (c >= 'a' && c <= 'f')
        return c - 'a' + 10;
    if (c >= 'A' && c <= 'F')
        return c - 'A' + 10;
    return -1;
}

// Decodes one UTF-8 character at text[pos], advancing pos; none on a malformed sequence.
std::optional<char32_t> nextCodePoint(std::string_view text, std::size_t& pos) {
    const auto lead = static_cast<unsigned char>(text[pos]);
    std::size_t extra = 0;
    char32_t value = 0;
    if (lead < 0x80) {
        ++pos;
        return lead;
    } else if ((lead & 0xE0) == 0xC0) {
        extra = 1;
        value = lead & 0x1F;
    } else if ((lead & 0xF0) == 0xE0) {
        extra = 2;
        value = lead & 0x0F;
    } else if ((lead & 0xF8) == 0xF0) {
        extra = 3;
        value = lead & 0x07;
    } else {
        return std::nullopt;
    }
    if (text.size() - pos <= extra)
        return std::nullopt;
    for (std::size_t i = 1; i <= extra; ++i) {
        const auto next = static_cast<unsigned char>(text[pos + i]);
        if ((next & 0xC0) != 0x80)
            return std::nullopt;
        value = (value << 6) | (next & 0x3F);
    }
    pos += extra + 1;
    return value;
}

void appendUtf8(std::string& out, char32_t cp) {
    if (cp < 0x80) {
        out += static_cast<char>(cp);
    } else if (cp < 0x800) {
        out += static_cast<char>(0xC0 | (cp >> 6));
        out += static_cast<char>(0x80 | (cp & 0x3F));
    } else {
        out += static_cast<char>(0xE0 | (cp >> 12));
        out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (cp & 0x3F));
    }
}

bool isPrintable(std::uint8_t byte) {
    return byte >= 0x20 && byte != 0x7F;
}

} // namespace

std::optional<FourCharCode> ParseFourCharCode(std::string_view utf8) {
    if (utf8.size() == 10 && utf8[0] == '0' && (utf8[1] == 'x' || utf8[1] == 'X')) {
        FourCharCode code = 0;
        for (std::size_t i = 2; i < utf8.size(); ++i) {
            const int digit = hexDigitValue(utf8[i]);
            if (digit < 0)
                return std::nullopt;
            code = (code << 4) | static_cast<FourCharCode>(digit);
        }
        return code;
    }
    std::array<std::uint8_t, 4> bytes{};
    std::size_t pos = 0;
    for (auto& byte : bytes) {
        if (pos >= utf8.size())
            return std::nullopt;
        const auto codePoint = nextCodePoint(utf8, pos);
        if (!codePoint)
            return std::nullopt;
        const auto macRoman = UnicodeToMacRoman(*codePoint);
        if (!macRoman)
            return std::nullopt;
        byte = *macRoman;
    }
    if (pos != utf8.size())
        return std::nullopt;
    return FourCCFromBytes(bytes[0], bytes[1], bytes[2], bytes[3]);
}

std::string FormatFourCharCode(FourCharCode code) {
    const std::array<std::uint8_t, 4> bytes = {
        static_cast<std::uint8_t>(code >> 24), static_cast<std::uint8_t>(code >> 16),
        static_cast<std::uint8_t>(code >> 8), static_cast<std::uint8_t>(code)};
    bool printable = true;
    for (const auto byte : bytes)
        printable = printable && isPrintable(byte);
    std::string text;
    if (printable) {
        for (const auto byte : bytes)
            appendUtf8(text, MacRomanToUnicode(byte));
        return text;
    }
    static constexpr char kHex[] = "0123456789ABCDEF";
    text = "0x";
    for (int shift = 28; shift >= 0; shift -= 4)
        text += kHex[(code >> shift) & 0xF];
    return text;
}
