#include "FileLocation.h"

#include <QDir>
#include <gtest/gtest.h>

TEST(FileLocation, SplitsAndJoinsFolderAndNameAndKeepsPathsAbsolute) {
    const FileLocation location("/tmp/a/../b/picture.pict");
    EXPECT_EQ(QStringList({location.path(), location.folder(), location.name()}),
              QStringList({"/tmp/b/picture.pict", "/tmp/b", "picture.pict"}));
    EXPECT_EQ(location.withName("x.turtle").path(), "/tmp/b/x.turtle");
    EXPECT_EQ(FileLocation("/tmp/b", "picture.pict"), location);
    const QString longName = QString(200, 'n') + ".pict";
    EXPECT_EQ(FileLocation("/tmp", longName).name(), longName);
    EXPECT_EQ(FileLocation("rel.txt").path(), QDir::current().filePath("rel.txt"));
    EXPECT_TRUE(FileLocation().isEmpty());
    EXPECT_TRUE(FileLocation(QString()).name().isEmpty());
}
