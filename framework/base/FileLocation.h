#pragma once

// Where a file is: its folder and its name. The platform's form is a volume, a directory ID and
// a name of up to 63 bytes; here it is a path, kept whole, since a name cut short would name
// another file.

#include <QString>

class FileLocation {
public:
    FileLocation() = default;
    // Made absolute and clean; "" stays empty.
    explicit FileLocation(const QString& path);
    FileLocation(const QString& folder, const QString& name);

    bool isEmpty() const { return mPath.isEmpty(); }
    const QString& path() const { return mPath; }
    QString folder() const;
    QString name() const;

    // The same location with another name in the same folder.
    FileLocation withName(const QString& name) const { return FileLocation(folder(), name); }

    friend bool operator==(const FileLocation&, const FileLocation&) = default;

private:
    QString mPath;
};
