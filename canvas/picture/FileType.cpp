#include "FileType.h"

#include "PictReader.h"

#include <QFile>
#include <QFileInfo>
#include <QImageReader>
#include <algorithm>

namespace {

constexpr std::size_t kSniffLength = kPictureFileHeaderSize + 16;

bool startsWith(std::span<const std::uint8_t> head, std::initializer_list<std::uint8_t> bytes) {
    return head.size() >= bytes.size() && std::equal(bytes.begin(), bytes.end(), head.begin());
}

bool isReadableImageFormat(const QByteArray& format) {
    return !format.isEmpty() && QImageReader::supportedImageFormats().contains(format);
}

} // namespace

FourCharCode fileTypeFromContent(std::span<const std::uint8_t> head) {
    if (startsWith(head, {0x89, 'P', 'N', 'G', 0x0D, 0x0A, 0x1A, 0x0A}))
        return kFileTypePNG;
    if (startsWith(head, {0xFF, 0xD8, 0xFF}))
        return kFileTypeJPEG;
    if (startsWith(head, {'G', 'I', 'F', '8', '7', 'a'}) ||
        startsWith(head, {'G', 'I', 'F', '8', '9', 'a'}))
        return kFileTypeGIF;
    if (startsWith(head, {'I', 'I', 0x2A, 0x00}) || startsWith(head, {'M', 'M', 0x00, 0x2A}))
        return kFileTypeTIFF;
    if (pictureOffset(head) >= 0)
        return kFileTypePICT;
    return kFileTypeUnknown;
}

FourCharCode fileTypeForImageFormat(const QByteArray& format) {
    const QByteArray name = format.toLower();
    if (name == "png")
        return kFileTypePNG;
    if (name == "jpeg" || name == "jpg")
        return kFileTypeJPEG;
    if (name == "gif")
        return kFileTypeGIF;
    if (name == "tiff" || name == "tif")
        return kFileTypeTIFF;
    if (name == "bmp")
        return kFileTypeBMP;
    if (name.isEmpty())
        return kFileTypeUnknown;
    std::uint8_t code[4] = {' ', ' ', ' ', ' '};
    for (qsizetype i = 0; i < std::min<qsizetype>(name.size(), 4); ++i) {
        const auto c = static_cast<std::uint8_t>(name[i]);
        code[i] = c >= 'a' && c <= 'z' ? static_cast<std::uint8_t>(c - 'a' + 'A') : c;
    }
    return FourCCFromBytes(code[0], code[1], code[2], code[3]);
}

FourCharCode fileTypeFromExtension(const QString& path) {
    const QString suffix = QFileInfo(path).suffix().toLower();
    if (suffix == QLatin1String("pict") || suffix == QLatin1String("pct"))
        return kFileTypePICT;
    if (suffix == QLatin1String("txt") || suffix == QLatin1String("turtle"))
        return kFileTypeTEXT;
    if (isReadableImageFormat(suffix.toLatin1()))
        return fileTypeForImageFormat(suffix.toLatin1());
    return kFileTypeUnknown;
}

FourCharCode fileTypeFromContent(QFile& file) {
    if (!file.seek(0))
        return kFileTypeUnknown;
    const QByteArray head = file.read(static_cast<qint64>(kSniffLength));
    const FourCharCode type =
        fileTypeFromContent(std::span(reinterpret_cast<const std::uint8_t*>(head.constData()),
                                      static_cast<std::size_t>(head.size())));
    if (type != kFileTypeUnknown || fileTypeFromExtension(file.fileName()) == kFileTypeTEXT ||
        !file.seek(0))
        return type;
    return fileTypeForImageFormat(QImageReader::imageFormat(&file));
}

FourCharCode detectFileType(const QString& path) {
    QFile file(path);
    if (QFileInfo(path).isFile() && file.open(QIODevice::ReadOnly)) {
        const FourCharCode byContent = fileTypeFromContent(file);
        if (byContent != kFileTypeUnknown)
            return byContent;
    }
    return fileTypeFromExtension(path);
}
