#include "LFile.h"

#include "LException.h"

#include <QFileInfo>

LFile::~LFile() = default;

void LFile::SetLocation(const FileLocation& location) {
    CloseDataFork();
    mLocation = location;
}

void LFile::throwFileError(const QFile& file) const {
    if (file.error() == QFileDevice::OpenError && !QFileInfo::exists(mLocation.path()))
        throw LException(kFileNotFound);
    if (file.error() == QFileDevice::PermissionsError)
        throw LException(kAccessDenied);
    throw LException(kIOError);
}

void LFile::OpenDataFork(Access access) {
    if (mLocation.isEmpty())
        throw LException(kFileNotFound);
    CloseDataFork();
    auto fork = std::make_unique<QFile>(mLocation.path());
    const QIODevice::OpenMode mode =
        access == Access::Read ? QIODevice::ReadOnly : QIODevice::ReadWrite;
    if (!fork->open(mode)) {
        if (access == Access::Read && !QFileInfo::exists(mLocation.path()))
            throw LException(kFileNotFound);
        throwFileError(*fork);
    }
    mFork = std::move(fork);
}

void LFile::CloseDataFork() {
    mFork.reset();
}

QByteArray LFile::ReadDataFork() {
    const bool wasOpen = IsOpen();
    if (!wasOpen)
        OpenDataFork(Access::Read);
    mFork->seek(0);
    QByteArray bytes = mFork->readAll();
    const bool failed = mFork->error() != QFileDevice::NoError;
    if (!wasOpen)
        CloseDataFork();
    if (failed)
        throw LException(kIOError);
    return bytes;
}

void LFile::WriteDataFork(const QByteArray& bytes) {
    const bool wasOpen = IsOpen();
    if (!wasOpen)
        OpenDataFork(Access::ReadWrite);
    const bool ok = mFork->isWritable() && mFork->seek(0) && mFork->resize(0) &&
                    mFork->write(bytes) == bytes.size() && mFork->flush();
    if (!wasOpen)
        CloseDataFork();
    if (!ok)
        throw LException(kIOError);
}
