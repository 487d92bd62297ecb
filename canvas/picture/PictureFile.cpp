#include "PictureFile.h"

#include "CGWorld.h"
#include "ImageImport.h"
#include "PictWriter.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <new>

namespace {

struct PictureFile {
    Q_DECLARE_TR_FUNCTIONS(PictureFile)
};

// Larger files cannot hold a picture within the pixel limits; refuse before reading them.
constexpr qint64 kMaxPictureFileSize = qint64{512} << 20;

std::int16_t fileErrorCode(QFileDevice::FileError error, const QString& path) {
    switch (error) {
    case QFileDevice::NoError:
        return kNoError;
    case QFileDevice::PermissionsError:
        return kAccessDenied;
    case QFileDevice::OpenError:
        return QFileInfo(path).absoluteDir().exists() ? kAccessDenied : kFileNotFound;
    default:
        return kIOError;
    }
}

} // namespace

std::vector<std::uint8_t> pictureFileBytes(const QImage& image) {
    std::vector<std::uint8_t> picture = recordPicture(image);
    picture.insert(picture.begin(), kPictureFileHeaderSize, 0);
    return picture;
}

std::int16_t writePictureFile(const QImage& image, const QString& path) {
    if (image.isNull() || image.width() == 0 || image.height() == 0)
        return kMemoryFull;
    std::vector<std::uint8_t> bytes;
    try {
        bytes = pictureFileBytes(image);
    } catch (const LException&) {
        return kMemoryFull;
    } catch (const std::bad_alloc&) {
        return kMemoryFull;
    }
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return fileErrorCode(file.error(), path);
    const auto size = static_cast<qint64>(bytes.size());
    if (file.write(reinterpret_cast<const char*>(bytes.data()), size) != size) {
        const std::int16_t code = fileErrorCode(file.error(), path);
        file.cancelWriting();
        return code != kNoError ? code : std::int16_t{kIOError};
    }
    if (!file.commit()) {
        const std::int16_t code = fileErrorCode(file.error(), path);
        return code != kNoError ? code : std::int16_t{kIOError};
    }
    return kNoError;
}

std::int16_t writePictureFile(const CGWorld& canvas, const QString& path) {
    if (!canvas.isValid())
        return kMemoryFull;
    return writePictureFile(canvas.image(), path);
}

PictDecodeResult readPictureFileData(const QString& path, const PictLimits& limits) {
    QFile file(path);
    if (!file.exists())
        return PictDecodeResult{kFileNotFound, {}, {}};
    if (!file.open(QIODevice::ReadOnly))
        return PictDecodeResult{fileErrorCode(file.error(), path), {}, {}};
    if (file.size() > kMaxPictureFileSize)
        return PictDecodeResult{kBadPictureData, {}, {}};
    const QByteArray bytes = file.readAll();
    if (file.error() != QFileDevice::NoError)
        return PictDecodeResult{kIOError, {}, {}};
    return decodePictureFileData(std::span(reinterpret_cast<const std::uint8_t*>(bytes.constData()),
                                           static_cast<std::size_t>(bytes.size())),
                                 limits);
}

std::int16_t readPictureFile(const QString& path, const Rect& fitInto,
                             const std::function<CGWorld*()>& clearPicture, QString* refusal) {
    const ImportedImage imported = importImageFile(path, fitInto);
    const auto refuse = [refusal](std::int16_t status, const QString& reason) {
        if (refusal != nullptr)
            *refusal = reason;
        return status;
    };
    if (imported.status != kNoError || !imported.decoded)
        return refuse(imported.status, imported.refusal);
    CGWorld* canvas = clearPicture ? clearPicture() : nullptr;
    if (canvas == nullptr || !canvas->isValid())
        return refuse(kMemoryFull, PictureFile::tr("there is not enough memory for the picture"));
    if (canvas->image().depth() != 32)
        return refuse(kParamError, PictureFile::tr("the picture cannot be made"));
    drawFittedImage(canvas->image(), canvas->getBounds(), imported.image, imported.size);
    return refuse(kNoError, QString());
}
