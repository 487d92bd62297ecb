#include "PictureFile.h"

#include "CGWorld.h"
#include "PictTestSupport.h"
#include "PictWriter.h"

#include <csignal>
#include <gtest/gtest.h>
#include <sys/resource.h>
#include <unistd.h>

namespace {

using namespace picttest;

class PictureFileTest : public TempFolderTest {};

TEST_F(PictureFileTest, FileIs512ZeroBytesThenThePictureAndSavingAgainLeavesOnlyTheNew) {
    const QString file = path("a.pict");
    ASSERT_EQ(writePictureFile(patternImage(400, 300), file), 0);
    const QImage small = patternImage(20, 10);
    ASSERT_EQ(writePictureFile(small, file), 0);
    EXPECT_EQ(fileBytes(file), QByteArray(512, '\0') + asBytes(recordPicture(small)));
    EXPECT_EQ(firstDifference(readPictureFileData(file).image, small), "");
    EXPECT_EQ(entries(), QStringList{"a.pict"}) << "no temporary file is left behind";
}

TEST_F(PictureFileTest, FailuresGiveTheirStatusAndCreateNothing) {
    const QString file = path("none.pict");
    EXPECT_EQ(writePictureFile(QImage(), file), kMemoryFull);
    EXPECT_EQ(writePictureFile(QImage(0, 5, QImage::Format_RGB32), file), kMemoryFull);
    EXPECT_EQ(writePictureFile(CGWorld(), file), kMemoryFull);
    EXPECT_EQ(writePictureFile(patternImage(8, 8), path("missing/dir/x.pict")), kFileNotFound);
    EXPECT_EQ(entries(), QStringList{});
    EXPECT_FALSE(QFile::exists(path("missing")));
    EXPECT_EQ(readPictureFileData(file).status, kFileNotFound);
    writeBytes(path("text.pict"), QByteArray(700, 'x'));
    EXPECT_EQ(readPictureFileData(path("text.pict")).status, kBadPictureData);
}

TEST_F(PictureFileTest, AFailedWriteLeavesTheOldFileIntact) {
    const QString file = path("keep.pict");
    const QByteArray old("the old picture");
    writeBytes(file, old);

    // The file size limit makes the write fail half way, as a full disk would.
    struct rlimit saved {};
    ASSERT_EQ(getrlimit(RLIMIT_FSIZE, &saved), 0);
    const auto previousHandler = std::signal(SIGXFSZ, SIG_IGN);
    struct rlimit limited = saved;
    limited.rlim_cur = 4096;
    ASSERT_EQ(setrlimit(RLIMIT_FSIZE, &limited), 0);
    const std::int16_t status = writePictureFile(patternImage(200, 200), file);
    setrlimit(RLIMIT_FSIZE, &saved);
    std::signal(SIGXFSZ, previousHandler);

    EXPECT_NE(status, 0);
    EXPECT_EQ(fileBytes(file), old);
    EXPECT_EQ(entries(), QStringList{"keep.pict"}) << "the temporary file is removed";
}

TEST_F(PictureFileTest, ALockedFolderIsAccessDeniedAndKeepsTheOldFile) {
    if (geteuid() == 0)
        GTEST_SKIP() << "permissions do not bind the superuser";
    const QString file = path("locked/keep.pict");
    ASSERT_TRUE(QDir(mDir.path()).mkdir("locked"));
    writeBytes(file, "old");
    ASSERT_TRUE(QFile::setPermissions(path("locked"), QFile::ReadOwner | QFile::ExeOwner));
    EXPECT_EQ(writePictureFile(patternImage(8, 8), file), kAccessDenied);
    QFile::setPermissions(path("locked"), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    EXPECT_EQ(fileBytes(file), QByteArray("old"));
}

} // namespace
