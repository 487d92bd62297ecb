#include "ImageImport.h"

#include "FitRect.h"
#include "PictPixMap.h"
#include "PictureFile.h"
#include "StretchBits.h"

#include <QFile>
#include <QFileInfo>
#include <QImageReader>
#include <algorithm>
#include <array>
#include <vector>

namespace {

constexpr std::size_t kSniffLength = kPictureFileHeaderSize + 16;

bool startsWith(std::span<const std::uint8_t> head, std::initializer_list<std::uint8_t> bytes) {
    return head.size() >= bytes.size() && std::equal(bytes.begin(), bytes.end(), head.begin());
}

std::int16_t openErrorCode(const QFile& file) {
    if (!file.exists())
        return kFileNotFound;
    return file.error() == QFileDevice::PermissionsError ? kAccessDenied : kIOError;
}

ImportedImage importWithQt(const QString& path, FourCharCode type) {
    QImageReader reader(path);
    reader.setAutoTransform(false);
    const PictLimits limits;
    const QSize size = reader.size();
    if (size.isValid() && (size.width() > limits.maxSide || size.height() > limits.maxSide ||
                           std::int64_t{size.width()} * size.height() * 4 > limits.maxPixelBytes))
        return ImportedImage{kBadPictureData, false, {}};
    reader.setAllocationLimit(static_cast<int>(limits.maxPixelBytes >> 20));
    const QImage image = reader.read();
    if (image.isNull()) {
        // Only a file that announced itself as an image is broken; anything else simply
        // holds nothing we can decode.
        const std::int16_t status = type != kFileTypeUnknown ? kBadPictureData : std::int16_t{0};
        return ImportedImage{status, false, {}};
    }
    return ImportedImage{kNoError, true, flattenOnWhite(image)};
}

ImportedImage importPicture(const QString& path) {
    const PictDecodeResult result = readPictureFileData(path);
    if (result.status != kNoError)
        return ImportedImage{result.status, false, {}};
    return ImportedImage{kNoError, true, result.image};
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

FourCharCode fileTypeFromExtension(const QString& path) {
    const QString suffix = QFileInfo(path).suffix().toLower();
    if (suffix == QLatin1String("pict") || suffix == QLatin1String("pct"))
        return kFileTypePICT;
    if (suffix == QLatin1String("txt") || suffix == QLatin1String("turtle"))
        return kFileTypeTEXT;
    return kFileTypeUnknown;
}

FourCharCode detectFileType(const QString& path) {
    QFile file(path);
    if (file.open(QIODevice::ReadOnly)) {
        const QByteArray head = file.read(static_cast<qint64>(kSniffLength));
        const FourCharCode byContent =
            fileTypeFromContent(std::span(reinterpret_cast<const std::uint8_t*>(head.constData()),
                                          static_cast<std::size_t>(head.size())));
        if (byContent != kFileTypeUnknown)
            return byContent;
    }
    return fileTypeFromExtension(path);
}

ImportedImage importImageFile(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return ImportedImage{openErrorCode(file), false, {}};
    const QByteArray head = file.read(static_cast<qint64>(kSniffLength));
    file.close();
    const FourCharCode type =
        fileTypeFromContent(std::span(reinterpret_cast<const std::uint8_t*>(head.constData()),
                                      static_cast<std::size_t>(head.size())));
    if (type == kFileTypePICT)
        return importPicture(path);
    if (type == kFileTypeUnknown && fileTypeFromExtension(path) == kFileTypeTEXT)
        return ImportedImage{};
    return importWithQt(path, type);
}

QImage flattenOnWhite(const QImage& image) {
    if (!image.hasAlphaChannel())
        return image.convertToFormat(QImage::Format_RGB32);
    QImage flat = image.convertToFormat(QImage::Format_ARGB32);
    for (int y = 0; y < flat.height(); ++y) {
        auto* row = reinterpret_cast<QRgb*>(flat.scanLine(y));
        for (int x = 0; x < flat.width(); ++x) {
            const unsigned a = qAlpha(row[x]);
            const auto over = [a](unsigned c) { return (c * a + 255U * (255U - a) + 127U) / 255U; };
            row[x] = qRgb(static_cast<int>(over(static_cast<unsigned>(qRed(row[x])))),
                          static_cast<int>(over(static_cast<unsigned>(qGreen(row[x])))),
                          static_cast<int>(over(static_cast<unsigned>(qBlue(row[x])))));
        }
    }
    return flat.convertToFormat(QImage::Format_RGB32);
}

void drawFittedImage(QImage& canvas, const Rect& canvasBounds, const QImage& image) {
    if (image.isNull() || canvas.isNull())
        return;
    Rect r{0, 0, static_cast<std::int16_t>(std::min(image.height(), 0x7FFF)),
           static_cast<std::int16_t>(std::min(image.width(), 0x7FFF))};
    fitRect(r, canvasBounds);
    centreRect(r, canvasBounds);
    const PixelBox dest = PixelBox::of(r).translated(-canvasBounds.left, -canvasBounds.top);
    stretchBits(canvas, image, Stretch{PixelBox::of(image), dest, PixelBox::of(canvas)}, kSrcCopy,
                TransferColours{});
}
