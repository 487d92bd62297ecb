// Feeds arbitrary bytes to the picture reader, as a picture document file and as a bare
// picture. Tighter limits than the defaults keep each run quick; the rules are the same.

#include "PictReader.h"

#include <cstddef>
#include <cstdint>
#include <span>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::span<const std::uint8_t> bytes(data, size);
    const PictLimits limits{2048, std::int64_t{16} << 20};
    const PictDecodeResult file = decodePictureFileData(bytes, limits);
    if (file.status == 0 && !file.image.isNull() &&
        (file.image.width() != file.frame.width() || file.image.height() != file.frame.height()))
        __builtin_trap();
    (void)decodePicture(bytes, limits);
    return 0;
}
