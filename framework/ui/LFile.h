#pragma once

// A file object: a location and, while open, the data fork. Failures throw LException with the
// platform-style code (-43 not found, -5000 access denied, -36 other I/O errors).

#include "FileLocation.h"

#include <QByteArray>
#include <QFile>
#include <memory>

class LFile {
public:
    LFile() = default;
    explicit LFile(const FileLocation& location) : mLocation(location) {}
    ~LFile();
    LFile(const LFile&) = delete;
    LFile& operator=(const LFile&) = delete;

    const FileLocation& GetLocation() const { return mLocation; }
    // Closes an open fork first.
    void SetLocation(const FileLocation& location);
    bool HasLocation() const { return !mLocation.isEmpty(); }

    enum class Access { Read, ReadWrite };
    // Opens the data fork; ReadWrite creates the file if it does not exist.
    void OpenDataFork(Access access);
    void CloseDataFork();
    bool IsOpen() const { return mFork != nullptr; }

    // The whole data fork (opens and closes it when it was not open).
    QByteArray ReadDataFork();
    // Replaces the whole data fork with bytes (opens and closes it when it was not open).
    void WriteDataFork(const QByteArray& bytes);

private:
    [[noreturn]] void throwFileError(const QFile& file) const;

    FileLocation mLocation;
    std::unique_ptr<QFile> mFork;
};
