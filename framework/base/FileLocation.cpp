#include "FileLocation.h"

#include <QDir>
#include <QFileInfo>

FileLocation::FileLocation(const QString& path)
    : mPath(path.isEmpty() ? QString() : QDir::cleanPath(QFileInfo(path).absoluteFilePath())) {}

FileLocation::FileLocation(const QString& folder, const QString& name)
    : FileLocation(QDir(folder).filePath(name)) {}

QString FileLocation::folder() const {
    return mPath.isEmpty() ? QString() : QFileInfo(mPath).path();
}

QString FileLocation::name() const {
    return mPath.isEmpty() ? QString() : QFileInfo(mPath).fileName();
}
