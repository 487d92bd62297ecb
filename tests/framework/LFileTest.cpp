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
        LFile::Access access;
        int code;
    } cases[] = {
        {"a missing file", folder.filePath("absent"), LFile::Access::Read, kFileNotFound},
        {"a missing folder", folder.filePath("no/such/x"), LFile::Access::ReadWrite, kFileNotFound},
        {"a folder read as a file", folder.path(), LFile::Access::Read, kIOError},
        {"a folder written as a file", folder.path(), LFile::Access::ReadWrite, kIOError},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        LFile file{FileLocation(c.path)};
        try {
            if (c.access == LFile::Access::Read)
                file.ReadDataFork();
            else
                file.WriteDataFork("x");
            ADD_FAILURE() << "no exception";
        } catch (const LException& e) {
            EXPECT_EQ(e.code(), c.code);
        }
        EXPECT_FALSE(file.IsOpen());
    }
}

} // namespace
