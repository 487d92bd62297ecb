#include "JpegFrame.h"

#include <array>

namespace {

// Every segment is at most 64 KB, so this bounds the walk whatever the file claims.
constexpr int kMaxSegments = 4096;

bool readBytes(QIODevice& device, std::uint8_t* bytes, qint64 count) {
    return device.read(reinterpret_cast<char*>(bytes), count) == count;
}

bool isFrameHeader(std::uint8_t marker) {
    return marker >= 0xC0 && marker <= 0xCF && marker != 0xC4 && marker != 0xC8 && marker != 0xCC;
}

bool isProgressive(std::uint8_t marker) {
    return marker == 0xC2 || marker == 0xC6 || marker == 0xCA || marker == 0xCE;
}

bool standsAlone(std::uint8_t marker) {
    return marker == 0x01 || (marker >= 0xD0 && marker <= 0xD8);
}

} // namespace

std::optional<JpegFrame> readJpegFrame(QIODevice& device) {
    std::array<std::uint8_t, 6> bytes{};
    if (!device.seek(0) || !readBytes(device, bytes.data(), 2) || bytes[0] != 0xFF ||
        bytes[1] != 0xD8)
        return std::nullopt;
    for (int segment = 0; segment < kMaxSegments; ++segment) {
        if (!readBytes(device, bytes.data(), 1) || bytes[0] != 0xFF)
            return std::nullopt;
        std::uint8_t marker = 0xFF;
        while (marker == 0xFF) { // fill bytes may pad a marker
            if (!readBytes(device, &marker, 1))
                return std::nullopt;
        }
        if (standsAlone(marker))
            continue;
        if (marker == 0xD9 || marker == 0xDA) // the end, or image data before any frame
            return std::nullopt;
        if (!readBytes(device, bytes.data(), 2))
            return std::nullopt;
        const int length = (bytes[0] << 8) | bytes[1];
        if (length < 2)
            return std::nullopt;
        if (isFrameHeader(marker)) {
            if (length < 8 || !readBytes(device, bytes.data(), 6))
                return std::nullopt;
            return JpegFrame{(bytes[3] << 8) | bytes[4], (bytes[1] << 8) | bytes[2], bytes[5],
                             isProgressive(marker)};
        }
        if (!device.seek(device.pos() + length - 2))
            return std::nullopt;
    }
    return std::nullopt;
}
