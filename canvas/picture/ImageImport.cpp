#include "ImageImport.h"

#include "FitRect.h"
#include "JpegFrame.h"
#include "PictPixMap.h"
#include "PictureFile.h"
#include "StretchBits.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <QImageReader>
#include <algorithm>

namespace {

struct ImageImport {
    Q_DECLARE_TR_FUNCTIONS(ImageImport)
};

// A decoder that scales while reading holds only the fitted picture, but it still takes time, and
// sometimes memory, in proportion to the size the header declares.
constexpr std::int64_t kMaxScaledDecodePixels = std::int64_t{1} << 27;
// What a decoder may take besides the picture: a progressive JPEG keeps two bytes for every
// coefficient of the whole image, whatever the scale it is decoded at.
constexpr std::int64_t kMaxDecoderWorkBytes = std::int64_t{512} << 20;

ImportedImage refused(std::int16_t status, const QString& reason) {
    ImportedImage result;
    result.status = status;
    result.refusal = reason;
    return result;
}

ImportedImage decodedImage(const QImage& image, QSize size) {
    ImportedImage result;
    result.decoded = true;
    result.image = image;
    result.size = size;
    return result;
}

QString sizeText(QSize size) {
    return ImageImport::tr("%1 x %2 pixels").arg(size.width()).arg(size.height());
}

ImportedImage refusedOpening(const QFile& file) {
    const QFileInfo info(file.fileName());
    if (!info.exists())
        return refused(kFileNotFound, ImageImport::tr("the file does not exist"));
    if (info.isDir())
        return refused(kIOError, ImageImport::tr("it is a folder, not a file"));
    if (!info.isFile())
        return refused(kIOError, ImageImport::tr("it is a device or a pipe, not a file"));
    if (file.error() == QFileDevice::PermissionsError || !info.isReadable())
        return refused(kAccessDenied, ImageImport::tr("permission to read it is denied"));
    return refused(kIOError, ImageImport::tr("it cannot be read (%1)").arg(file.errorString()));
}

QString formatName(const QImageReader& reader, FourCharCode type) {
    if (!reader.format().isEmpty())
        return QString::fromLatin1(reader.format().toUpper());
    return QString::fromStdString(FormatFourCharCode(type)).trimmed();
}

// The most pixels a decoder that scales while reading may be given.
std::int64_t scaledDecodeLimit(QFile& file, FourCharCode type) {
    char interlace = 0;
    if (type == kFileTypePNG && file.seek(28) && file.getChar(&interlace) && interlace != 0)
        return PictLimits{}.maxPixelBytes / 4; // an interlaced PNG is read whole, then scaled
    if (type == kFileTypeJPEG) {
        const std::optional<JpegFrame> frame = readJpegFrame(file);
        if (frame && frame->progressive)
            return std::min(kMaxScaledDecodePixels,
                            kMaxDecoderWorkBytes / (2 * std::max(frame->components, 1)));
    }
    return kMaxScaledDecodePixels;
}

ImportedImage importWithQt(const QString& path, FourCharCode type, const Rect& fitInto,
                           std::int64_t maxScaledPixels) {
    QImageReader reader(path);
    reader.setAutoTransform(true);
    const PictLimits limits;
    reader.setAllocationLimit(static_cast<int>(limits.maxPixelBytes >> 20));
    const QSize stored = reader.size(); // invalid when the decoder tells only while reading
    const bool turned = (reader.transformation() & QImageIOHandler::TransformationRotate90) != 0;
    const QSize upright = turned ? stored.transposed() : stored;
    const FittedSize fitted = fittedSize(upright.width(), upright.height(), fitInto);
    const bool scaleWhileReading =
        stored.isValid() && reader.supportsOption(QImageIOHandler::ScaledSize) &&
        fitted.width > 0 && (fitted.width < upright.width() || fitted.height < upright.height());
    if (stored.isValid()) {
        if (stored.isEmpty())
            return refused(
                kBadPictureData,
                ImageImport::tr("the image is %1: it has nothing to show").arg(sizeText(upright)));
        const std::int64_t limit = scaleWhileReading ? maxScaledPixels : limits.maxPixelBytes / 4;
        if (std::int64_t{stored.width()} * stored.height() > limit)
            return refused(kBadPictureData,
                           ImageImport::tr("the image is %1, more than can be opened (at most %2 "
                                           "million pixels)")
                               .arg(sizeText(upright))
                               .arg(limit / 1'000'000));
    }
    if (scaleWhileReading) {
        const QSize target(fitted.width, fitted.height);
        reader.setScaledSize(turned ? target.transposed() : target);
    }
    const QImage image = reader.read();
    if (image.isNull()) {
        // Only a file that announced itself as an image is broken; anything else simply
        // holds nothing we can decode.
        if (type == kFileTypeUnknown)
            return refused(kNoError,
                           ImageImport::tr("no installed image reader recognises its content"));
        return refused(kBadPictureData, ImageImport::tr("its %1 data is damaged or cut short (%2)")
                                            .arg(formatName(reader, type), reader.errorString()));
    }
    return decodedImage(flattenOnWhite(image), scaleWhileReading ? upright : image.size());
}

ImportedImage importPicture(const QString& path) {
    const PictDecodeResult result = readPictureFileData(path);
    switch (result.status) {
    case kNoError:
        return decodedImage(result.image, result.image.size());
    case kMemoryFull:
        return refused(result.status,
                       ImageImport::tr("there is not enough memory for the picture"));
    case kBadPictureData: {
        const PictLimits limits;
        const QSize frame(result.frame.width(), result.frame.height());
        if (frame.width() > limits.maxSide || frame.height() > limits.maxSide ||
            std::int64_t{frame.width()} * frame.height() * 4 > limits.maxPixelBytes)
            return refused(
                result.status,
                ImageImport::tr("the picture is %1, more than can be opened").arg(sizeText(frame)));
        return refused(result.status, ImageImport::tr("its picture data is damaged or cut short"));
    }
    case kFileNotFound:
        return refused(result.status, ImageImport::tr("the file does not exist"));
    case kAccessDenied:
        return refused(result.status, ImageImport::tr("permission to read it is denied"));
    default:
        return refused(result.status, ImageImport::tr("it cannot be read"));
    }
}

} // namespace

ImportedImage importImageFile(const QString& path, const Rect& fitInto) {
    QFile file(path);
    if (!QFileInfo(path).isFile() || !file.open(QIODevice::ReadOnly))
        return refusedOpening(file);
    if (file.size() == 0)
        return refused(kNoError, ImageImport::tr("the file is empty"));
    const FourCharCode type = fileTypeFromContent(file);
    if (type == kFileTypePICT)
        return importPicture(path);
    if (type == kFileTypeUnknown && fileTypeFromExtension(path) == kFileTypeTEXT)
        return refused(kNoError, ImageImport::tr("it is a program text, not a picture"));
    const std::int64_t maxScaledPixels = scaledDecodeLimit(file, type);
    file.close();
    return importWithQt(path, type, fitInto, maxScaledPixels);
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

Rect fittedImageRect(QSize size, const Rect& canvasBounds) {
    const FittedSize fitted = fittedSize(size.width(), size.height(), canvasBounds);
    Rect r{0, 0, static_cast<std::int16_t>(fitted.height), static_cast<std::int16_t>(fitted.width)};
    centreRect(r, canvasBounds);
    return r;
}

void drawFittedImage(QImage& canvas, const Rect& canvasBounds, const QImage& image, QSize size) {
    if (image.isNull() || canvas.isNull())
        return;
    const Rect r = fittedImageRect(size.isEmpty() ? image.size() : size, canvasBounds);
    if (r.isEmpty())
        return;
    const PixelBox dest = PixelBox::of(r).translated(-canvasBounds.left, -canvasBounds.top);
    stretchBits(canvas, image, Stretch{PixelBox::of(image), dest, PixelBox::of(canvas)}, kSrcCopy,
                TransferColours{});
}
