#include "FileLocation.h"

#include <QDir>
#include <gtest/gtest.h>

namespace {

TEST(FileLocation, SplitsAndJoinsFolderAndName) {
    const FileLocation location(QStringLiteral("/tmp/a/../b/picture.pict"));
    EXPECT_EQ(location.path(), QStringLiteral("/tmp/b/picture.pict"));
    EXPECT_EQ(location.folder(), QStringLiteral("/tmp/b"));
    EXPECT_EQ(location.name(), QStringLiteral("picture.pict"));
    EXPECT_EQ(location.withName(QStringLiteral("x.turtle")).path(),
              QStringLiteral("/tmp/b/x.turtle"));
    EXPECT_EQ(FileLocation(QStringLiteral("/tmp/b"), QStringLiteral("picture.pict")), location);
}

TEST(FileLocation, KeepsLongNamesWholeAndRelativePathsAbsolute) {
    const QString longName = QString(200, QLatin1Char('n')) + QStringLiteral(".pict");
    EXPECT_EQ(FileLocation(QStringLiteral("/tmp"), longName).name(), longName);
    EXPECT_EQ(FileLocation(QStringLiteral("rel.txt")).path(),
              QDir::current().filePath(QStringLiteral("rel.txt")));
    EXPECT_TRUE(FileLocation().isEmpty());
    EXPECT_TRUE(FileLocation(QString()).name().isEmpty());
}

} // namespace
