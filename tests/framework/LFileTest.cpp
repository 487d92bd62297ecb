#include "LFile.h"

#include "LException.h"

#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

// A failed open names its cause; nothing reads as an empty file. A rewrite leaves nothing of the
// longer content, and the file is closed after each.
TEST(LFile, FailuresCarryTheirCodeAndARewriteReplacesTheContent) {
    QTemporaryDir folder;
    ASSERT_TRUE(folder.isValid());
    const std::tuple<QString, bool, int> cases[] = {
        {folder.filePath("absent"), false, kFileNotFound},
        {folder.filePath("no/such/x"), true, kFileNotFound},
        {folder.path(), false, kIOError},
        {folder.path(), true, kIOError},
        {QString(), false, kFileNotFound}};
    for (const auto& [path, write, expected] : cases) {
        LFile file{FileLocation(path)};
        int code = 0;
        try {
            write ? file.WriteDataFork("x") : (void)file.ReadDataFork();
        } catch (const LException& e) {
            code = e.code();
        }
        EXPECT_EQ(code, expected) << path.toStdString() << write;
        EXPECT_FALSE(file.IsOpen());
    }
    LFile file(FileLocation(folder.filePath("data.bin")));
    file.WriteDataFork(QByteArray("a long first content"));
    EXPECT_FALSE(file.IsOpen());
    file.WriteDataFork(QByteArray("short"));
    EXPECT_EQ(file.ReadDataFork(), "short");
    EXPECT_FALSE(file.IsOpen());
}

} // namespace
