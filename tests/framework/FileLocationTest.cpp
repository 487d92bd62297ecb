#include "FileLocation.h"

#include <QDir>
#include <gtest/gtest.h>

TEST(FileLocation, SplitsAndJoinsFolderAndNameAndKeepsPathsAbsolute) {
    const FileLocation location("/tmp/a/../b/picture.pict");
    EXPECT_EQ(QStringList({location.path(), location.folder(), location.name()}),
              QStringList({"/tmp/b/picture.pict", "/tmp/b", "picture.pict"}));
    EXPECT_EQ(FileLocation("/tmp/b", "picture.pict"), location);
    EXPECT_EQ(FileLocation("rel.txt").path(), QDir::current().filePath("rel.txt"));
    EXPECT_TRUE(FileLocation().isEmpty() && FileLocation(QString()).name().isEmpty());
}
