#include "LFile.h"

#include "LException.h"

#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

// A failed open names its cause; nothing reads as an empty file.
TEST(LFile, FailuresCarryTheirCode) {
    QTemporaryDir folder;
    ASSERT_TRUE(folder.isValid());
    const struct {
        const char* what;
        QString path;
        bool write;
        int code;
    } cases[] = {
        {"a missing file", folder.filePath("absent"), false, kFileNotFound},
        {"a missing folder", folder.filePath("no/such/x"), true, kFileNotFound},
        {"a folder read as a file", folder.path(), false, kIOError},
        {"a folder written as a file", folder.path(), true, kIOError},
        {"no location", QString(), false, kFileNotFound},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        LFile file{FileLocation(c.path)};
        try {
            c.write ? file.WriteDataFork("x") : (void)file.ReadDataFork();
            ADD_FAILURE() << "no exception";
        } catch (const LException& e) {
            EXPECT_EQ(e.code(), c.code);
        }
        EXPECT_FALSE(file.IsOpen());
    }
}

TEST(LFile, ARewriteLeavesNothingOfTheLongerContent) {
    QTemporaryDir folder;
    LFile file(FileLocation(folder.filePath("data.bin")));
    file.WriteDataFork(QByteArray("a long first content"));
    EXPECT_FALSE(file.IsOpen());
    file.WriteDataFork(QByteArray("short"));
    EXPECT_EQ(file.ReadDataFork(), "short");
    EXPECT_FALSE(file.IsOpen());
}

} // namespace
